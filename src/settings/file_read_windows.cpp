// Reading a settings file on Windows, where the POSIX calls of file_read.cpp
// do not exist. Same promise: read once into memory, never wait on a device
// unless the command line asks for it.
#ifdef _WIN32

#include <filesystem>
#include <fstream>
#include <system_error>

#include "settings/file_path.h"
#include "settings/file_read.h"

namespace km62rx::settings {

namespace fs = std::filesystem;

FileReadResult ReadFileContents(const std::string& path, FileWait wait, std::string& contents) {
  contents.clear();
  const fs::path native = PathFromUtf8(path);
  std::error_code error;
  const fs::file_status status = fs::status(native, error);
  if (status.type() == fs::file_type::not_found)
    return FileReadResult::kMissing;
  if (error || fs::is_directory(status))
    return FileReadResult::kCannotOpen;
  // A device or pipe (CON, \\.\pipe\...) could make a read wait: only the
  // command line takes that risk.
  if (!fs::is_regular_file(status) && wait == FileWait::kNever)
    return FileReadResult::kCannotOpen;
  std::ifstream in(native, std::ios::binary);
  if (!in.is_open())
    return FileReadResult::kCannotOpen;
  char buffer[65536];
  while (contents.size() <= kMaxSettingsFileSize && in) {
    in.read(buffer, sizeof buffer);
    contents.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) {
    contents.clear();
    return FileReadResult::kCannotOpen;
  }
  if (contents.size() > kMaxSettingsFileSize) {
    contents.resize(kMaxSettingsFileSize);
    return FileReadResult::kTooLarge;
  }
  return FileReadResult::kRead;
}

}  // namespace km62rx::settings

#endif  // _WIN32
