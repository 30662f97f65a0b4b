#pragma once

// Small pieces the Windows file code shares: an owned handle, whole reads
// and writes, and the names Windows reserves for devices. Only for _WIN32.
#ifdef _WIN32

#include <windows.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace km62rx::settings::windows {

// A file handle, closed when it goes out of scope.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Close(); }
  Handle(Handle&& other) noexcept : handle_(other.handle_) { other.handle_ = INVALID_HANDLE_VALUE; }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closes now; false when closing reported an error.
  bool Close();

 private:
  HANDLE handle_;
};

// Opens path with CreateFileW (the path reaches the system as UTF-16).
// Others may read and write the file meanwhile, and rename or delete it.
Handle Open(const std::filesystem::path& path, DWORD access, DWORD creation);

// True when the last part of path is a device name that Windows reserves in
// every folder (CON, PRN, AUX, NUL, COM0-9, LPT0-9, with any extension), or
// the path names a device directly (\\.\...). Such a path is never a file.
bool IsDeviceName(const std::filesystem::path& path);

// Reads from the handle's position to the end, stopping once more than
// limit bytes are held.
bool ReadAll(HANDLE handle, std::string& data, std::size_t limit);
// Writes all of data at the handle's position.
bool WriteAll(HANDLE handle, std::string_view data);

}  // namespace km62rx::settings::windows

#endif  // _WIN32
