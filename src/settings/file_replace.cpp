#include "settings/file_replace.h"

// The POSIX way of replacing a file; file_replace_windows.cpp holds the other.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

namespace km62rx::settings {

namespace {

constexpr int kMaxLinkHops = 40;

std::string Dirname(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos)
    return ".";
  if (slash == 0)
    return "/";
  return path.substr(0, slash);
}

std::string Basename(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links to the path that finally holds the data (which may
// not exist yet). Nothing when the links loop or cannot be read.
std::optional<std::string> ResolveLinks(std::string path) {
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
      return path;
    std::string link(256, '\0');
    while (true) {
      const ssize_t n = readlink(path.c_str(), link.data(), link.size());
      if (n < 0)
        return std::nullopt;
      if (static_cast<std::size_t>(n) < link.size()) {
        link.resize(static_cast<std::size_t>(n));
        break;
      }
      link.resize(link.size() * 2);
    }
    path = (!link.empty() && link[0] == '/') ? link : Dirname(path) + "/" + link;
  }
  return std::nullopt;
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool ReadAll(int fd, std::string& data) {
  char buffer[65536];
  while (true) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      return false;
    if (n == 0)
      return true;
    data.append(buffer, static_cast<std::size_t>(n));
  }
}

// Puts contents into the file open as fd, from its start, and makes it that
// long; flushed to disk.
bool Overwrite(int fd, std::string_view contents) {
  return lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, contents) &&
         ftruncate(fd, static_cast<off_t>(contents.size())) == 0 && fsync(fd) == 0;
}

// The fallback when no temporary file can be made beside the target: write
// into the file itself. An old file's contents are read first and put back
// if the new ones cannot be written whole; a file made here is removed again.
ReplaceResult RewriteInPlace(const std::string& target, bool exists, std::string_view contents) {
  const int fd = exists ? open(target.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)
                        : open(target.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0)
    return ReplaceResult::kCannotOpen;
  std::string old;
  if (exists && !ReadAll(fd, old)) {
    close(fd);
    return ReplaceResult::kCannotOpen;
  }
  if (Overwrite(fd, contents)) {
    return close(fd) == 0 ? ReplaceResult::kReplaced : ReplaceResult::kWriteFailed;
  }
  if (exists)
    Overwrite(fd, old);
  close(fd);
  if (!exists)
    unlink(target.c_str());
  return ReplaceResult::kWriteFailed;
}

// Creates a new file beside the target that no one else uses.
int CreateTempFile(const std::string& target, mode_t mode, std::string& tempPath) {
  // Loggers saved at the same time each take their own number.
  static std::atomic<unsigned> counter{0};
  const std::string stem = Dirname(target) + "/." + Basename(target) + ".";
  const auto seed =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[40];
    std::snprintf(suffix, sizeof suffix, "%d.%llx.tmp", static_cast<int>(getpid()),
                  (seed + ++counter * 0x9E3779B97F4A7C15ULL) & 0xFFFFFFFFULL);
    tempPath = stem + suffix;
    const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST)
      return fd;
  }
  return -1;
}

// Makes the rename itself durable; a failure here loses nothing already written.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return;
  fsync(fd);
  close(fd);
}

}  // namespace

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view contents) {
  // On POSIX a UTF-8 path is already the system's form (PathFromUtf8 changes
  // nothing), so the path's bytes go to the calls below as they are.
  if (path.empty() || path.back() == '/')
    return ReplaceResult::kCannotOpen;
  const std::optional<std::string> resolved = ResolveLinks(path);
  if (!resolved)
    return ReplaceResult::kCannotOpen;
  const std::string& target = *resolved;

  struct stat old {};
  const bool exists = stat(target.c_str(), &old) == 0;
  // A FIFO or device is no settings file; writing into one could wait forever.
  if (exists && !S_ISREG(old.st_mode))
    return ReplaceResult::kCannotOpen;
  if (exists) {
    // The file itself must be writable: a read-only file is not replaced,
    // even though the folder would allow a rename over it. Not truncated here.
    const int probe = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (probe < 0)
      return ReplaceResult::kCannotOpen;
    close(probe);
  }

  std::string tempPath;
  // A new file gets the usual 0666 less the umask; an old file's mode follows below.
  const int fd = CreateTempFile(target, exists ? 0600 : 0666, tempPath);
  if (fd < 0)
    return RewriteInPlace(target, exists, contents);
  if (exists) {
    // Owner first: changing it may clear set-id bits that the mode then restores.
    if (fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Only the owner's group or root may keep another owner; not an error.
    }
    fchmod(fd, old.st_mode & 07777);
  }
  bool ok = WriteAll(fd, contents);
  ok = fsync(fd) == 0 && ok;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(tempPath.c_str(), target.c_str()) == 0;
  if (!ok) {
    unlink(tempPath.c_str());
    return ReplaceResult::kWriteFailed;
  }
  SyncFolder(Dirname(target));
  return ReplaceResult::kReplaced;
}

}  // namespace km62rx::settings

#endif  // _WIN32
