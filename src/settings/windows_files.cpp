#ifdef _WIN32

#include "settings/windows_files.h"

#include <algorithm>
#include <array>
#include <cwctype>

namespace km62rx::settings::windows {

bool Handle::Close() {
  if (!valid())
    return true;
  const bool closed = CloseHandle(handle_) != 0;
  handle_ = INVALID_HANDLE_VALUE;
  return closed;
}

Handle Open(const std::filesystem::path& path, DWORD access, DWORD creation) {
  return Handle(CreateFileW(path.c_str(), access,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            creation, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool IsDeviceName(const std::filesystem::path& path) {
  const std::wstring& text = path.native();
  if (text.starts_with(LR"(\\.\)") || text.starts_with(LR"(\\?\GLOBALROOT)"))
    return true;
  // The name up to its first dot, without trailing spaces, decides.
  std::wstring name = path.filename().native();
  name = name.substr(0, name.find(L'.'));
  while (!name.empty() && name.back() == L' ')
    name.pop_back();
  std::transform(name.begin(), name.end(), name.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  static constexpr std::array<std::wstring_view, 4> kPlain{L"CON", L"PRN", L"AUX", L"NUL"};
  if (std::find(kPlain.begin(), kPlain.end(), name) != kPlain.end())
    return true;
  return name.size() == 4 && (name.starts_with(L"COM") || name.starts_with(L"LPT")) &&
         name[3] >= L'0' && name[3] <= L'9';
}

bool ReadAll(HANDLE handle, std::string& data, std::size_t limit) {
  char buffer[65536];
  while (data.size() <= limit) {
    DWORD got = 0;
    if (!ReadFile(handle, buffer, sizeof buffer, &got, nullptr))
      return GetLastError() == ERROR_BROKEN_PIPE;  // a pipe's writer has finished
    if (got == 0)
      return true;
    data.append(buffer, got);
  }
  return true;
}

bool WriteAll(HANDLE handle, std::string_view data) {
  while (!data.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(handle, data.data(), chunk, &written, nullptr) || written == 0)
      return false;
    data.remove_prefix(written);
  }
  return true;
}

}  // namespace km62rx::settings::windows

#endif  // _WIN32
