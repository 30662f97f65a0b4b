#include "settings/file_read.h"

// The POSIX way of reading a file; file_read_windows.cpp holds the other.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "settings/file_path.h"

namespace km62rx::settings {

FileReadResult ReadFileContents(const std::string& path, FileWait wait, std::string& contents) {
  contents.clear();
  const std::filesystem::path native = PathFromUtf8(path);
  // O_NONBLOCK: a FIFO without a writer would otherwise hold the open forever.
  const int fd = open(native.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0)
    return errno == ENOENT ? FileReadResult::kMissing : FileReadResult::kCannotOpen;
  struct stat st {};
  const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  // A regular file never makes a read wait; a pipe or device may, which the
  // command line allows and the window does not.
  const bool waits = regular || wait == FileWait::kForData;
  if (waits) {
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0)
      fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  }
  FileReadResult result = FileReadResult::kRead;
  char buffer[65536];
  while (contents.size() <= kMaxSettingsFileSize) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      // A folder, a failing disk, or a pipe that has nothing to give now.
      result = FileReadResult::kCannotOpen;
      break;
    }
    if (n == 0)
      break;
    contents.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  // A pipe or device that gave nothing at once (no writer, /dev/null) is no
  // file the window can read.
  if (result == FileReadResult::kRead && !waits && contents.empty())
    result = FileReadResult::kCannotOpen;
  if (result == FileReadResult::kRead && contents.size() > kMaxSettingsFileSize) {
    contents.resize(kMaxSettingsFileSize);
    result = FileReadResult::kTooLarge;
  }
  if (result == FileReadResult::kCannotOpen)
    contents.clear();
  return result;
}

}  // namespace km62rx::settings

#endif  // _WIN32
