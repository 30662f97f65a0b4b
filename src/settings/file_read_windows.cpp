// Reading a settings file on Windows, where the POSIX calls of file_read.cpp
// do not exist. Same promise: read once into memory, never wait on a device
// unless the command line asks for it. The path reaches the system as UTF-16.
#ifdef _WIN32

#include "settings/file_path.h"
#include "settings/file_read.h"
#include "settings/windows_files.h"

namespace km62rx::settings {

FileReadResult ReadFileContents(const std::string& path, FileWait wait, std::string& contents) {
  contents.clear();
  const std::filesystem::path native = PathFromUtf8(path);
  // A device (NUL, COM1, CON) is not even opened for the window: opening a
  // serial port alone changes its lines.
  if (windows::IsDeviceName(native) && wait == FileWait::kNever)
    return FileReadResult::kCannotOpen;
  windows::Handle file = windows::Open(native, GENERIC_READ, OPEN_EXISTING);
  if (!file.valid()) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
               ? FileReadResult::kMissing
               : FileReadResult::kCannotOpen;  // a folder, no permission, in use
  }
  // A pipe or device may make a read wait, which the command line allows and
  // the window does not.
  if (GetFileType(file.get()) != FILE_TYPE_DISK && wait == FileWait::kNever)
    return FileReadResult::kCannotOpen;
  if (!windows::ReadAll(file.get(), contents, kMaxSettingsFileSize)) {
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
