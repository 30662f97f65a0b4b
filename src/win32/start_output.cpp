#include "win32/start_output.h"

#include <windows.h>

#include <string>

#include "win32/wide_text.h"

namespace km62rx::win32 {
namespace {

bool WriteBytes(HANDLE handle, std::string_view text) {
  DWORD written = 0;
  return WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

bool AttachedToStarterConsole() {
  return AttachConsole(ATTACH_PARENT_PROCESS) || GetLastError() == ERROR_ACCESS_DENIED;
}

}  // namespace

bool WriteToStarter(std::string_view text, StartStream stream) {
  const DWORD which = stream == StartStream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
  // A file or pipe the starter gave: the UTF-8 bytes as they are.
  HANDLE handle = GetStdHandle(which);
  if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
    const DWORD type = GetFileType(handle);
    if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE)
      return WriteBytes(handle, text);
  }
  // The starter's console, in UTF-16 so that any code page shows the text.
  if (!AttachedToStarterConsole())
    return false;
  HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
  if (console == INVALID_HANDLE_VALUE)
    return false;
  const std::wstring wide = Widen(text);
  DWORD written = 0;
  const bool done =
      WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  CloseHandle(console);
  return done;
}

void TellStarter(std::string_view text, StartStream stream) {
  if (!WriteToStarter(text, stream))
    MessageBoxW(nullptr, Widen(text).c_str(), L"km62rx-settings", MB_OK);
}

}  // namespace km62rx::win32
