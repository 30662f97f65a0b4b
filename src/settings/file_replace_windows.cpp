// Replacing a settings file on Windows, where the POSIX calls of
// file_replace.cpp do not exist. Same promise: the new contents go to a
// temporary file beside the target, flushed to disk and then put in the
// target's place in one step, so the old file is never left damaged or
// half-written. Every path reaches the system as UTF-16.
#ifdef _WIN32

#include <atomic>
#include <optional>
#include <string>
#include <system_error>

#include "settings/file_path.h"
#include "settings/file_replace.h"
#include "settings/windows_files.h"

namespace km62rx::settings {

namespace {

namespace fs = std::filesystem;
using windows::Handle;

constexpr int kMaxLinkHops = 40;

// Follows symbolic links to the path that finally holds the data (which may
// not exist yet). Nothing when the links loop or cannot be read.
std::optional<fs::path> ResolveLinks(fs::path path) {
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(path, error))
      return path;
    const fs::path link = fs::read_symlink(path, error);
    if (error)
      return std::nullopt;
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  return std::nullopt;
}

// Puts contents into the open file from its start, makes it that long, and
// flushes it to disk.
bool Overwrite(HANDLE file, std::string_view contents) {
  LARGE_INTEGER start{};
  return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && windows::WriteAll(file, contents) &&
         SetEndOfFile(file) && FlushFileBuffers(file);
}

// The fallback when no temporary file can be made beside the target: write
// into the file itself. An old file's contents are read first and put back
// if the new ones cannot be written whole; a file made here is removed again.
ReplaceResult RewriteInPlace(const fs::path& target, bool exists, std::string_view contents) {
  Handle file =
      windows::Open(target, GENERIC_READ | GENERIC_WRITE, exists ? OPEN_EXISTING : CREATE_NEW);
  if (!file.valid())
    return ReplaceResult::kCannotOpen;
  std::string old;
  if (exists && !windows::ReadAll(file.get(), old, static_cast<std::size_t>(-1)))
    return ReplaceResult::kCannotOpen;
  if (Overwrite(file.get(), contents))
    return file.Close() ? ReplaceResult::kReplaced : ReplaceResult::kWriteFailed;
  if (exists)
    Overwrite(file.get(), old);
  file.Close();
  if (!exists)
    DeleteFileW(target.c_str());
  return ReplaceResult::kWriteFailed;
}

// Creates a new file beside the target that no one else uses.
Handle CreateTempFile(const fs::path& target, fs::path& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = target;
    tempPath.replace_filename(L"." + target.filename().native() + L"." +
                              std::to_wstring(GetCurrentProcessId()) + L"." +
                              std::to_wstring(++counter) + L".tmp");
    Handle file = windows::Open(tempPath, GENERIC_WRITE, CREATE_NEW);
    if (file.valid() || GetLastError() != ERROR_FILE_EXISTS)
      return file;
  }
  return Handle(INVALID_HANDLE_VALUE);
}

// Whether an existing target may be replaced: a writable regular file.
// Sets exists; nothing when the target must be refused.
std::optional<bool> CheckTarget(const fs::path& target) {
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
      return false;
    return std::nullopt;
  }
  // A read-only file is not replaced, even though the folder would allow it.
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
    return std::nullopt;
  // The file itself must open for writing (not in use, permitted); opening
  // truncates nothing.
  Handle probe = windows::Open(target, GENERIC_WRITE, OPEN_EXISTING);
  if (!probe.valid() || GetFileType(probe.get()) != FILE_TYPE_DISK)
    return std::nullopt;
  return true;
}

}  // namespace

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view contents) {
  if (path.empty() || path.back() == '/' || path.back() == '\\')
    return ReplaceResult::kCannotOpen;
  const std::optional<fs::path> resolved = ResolveLinks(PathFromUtf8(path));
  // A device (NUL, COM1, CON) is no settings file; writing into one could
  // wait forever, and opening a serial port alone changes its lines.
  if (!resolved || windows::IsDeviceName(*resolved))
    return ReplaceResult::kCannotOpen;
  // ReplaceFileW is given full paths (Wine's refuses a relative one, and a
  // rooted one without a drive such as \tmp\IN.CFG).
  std::error_code error;
  const fs::path target = fs::absolute(*resolved, error);
  if (error)
    return ReplaceResult::kCannotOpen;
  const std::optional<bool> exists = CheckTarget(target);
  if (!exists)
    return ReplaceResult::kCannotOpen;

  fs::path temp;
  Handle file = CreateTempFile(target, temp);
  // No temporary file beside it (a folder without write permission, a name
  // too long for the temporary name): rewrite the file in place.
  if (!file.valid())
    return RewriteInPlace(target, *exists, contents);
  bool ok = windows::WriteAll(file.get(), contents);
  ok = FlushFileBuffers(file.get()) && ok;
  ok = file.Close() && ok;
  // ReplaceFileW keeps the old file's attributes and permissions; with no
  // backup name, any failure leaves the old file where it was.
  if (ok && *exists) {
    ok = ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                      nullptr, nullptr);
  } else if (ok) {
    ok = MoveFileExW(temp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  if (!ok) {
    DeleteFileW(temp.c_str());
    return ReplaceResult::kWriteFailed;
  }
  return ReplaceResult::kReplaced;
}

}  // namespace km62rx::settings

#endif  // _WIN32
