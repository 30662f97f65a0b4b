#ifdef _WIN32

#include <windows.h>
// windows.h first.
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <string>

#include "cli/console_text.h"
#include "settings/windows_text.h"

namespace km62rx::cli {

std::optional<bool> WriteToConsole(std::FILE* stream, std::string_view text) {
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  DWORD mode = 0;
  if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode))
    return std::nullopt;
  if (text.empty())
    return true;
  std::fflush(stream);  // what went through the stream comes first
  // Bytes that are no UTF-8 (a Shift_JIS value in a settings file) show as
  // replacement characters.
  const std::wstring wide = settings::windows::Widen(text);
  if (wide.empty())
    return false;
  std::size_t done = 0;
  while (done < wide.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
    if (!WriteConsoleW(handle, wide.data() + done, chunk, &written, nullptr) || written == 0)
      return false;
    done += written;
  }
  return true;
}

void UseBinaryStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace km62rx::cli

#endif  // _WIN32
