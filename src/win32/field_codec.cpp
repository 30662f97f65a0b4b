#include "win32/field_codec.h"

#include <windows.h>

#include <string>

#include "win32/wide_text.h"

namespace km62rx::win32 {
namespace {

// Windows' Japanese code page.
constexpr UINT kShiftJis = 932;

// The text of bytes in a code page; nothing when they are not valid there.
bool Decode(UINT codePage, std::string_view bytes, std::wstring& text) {
  const int size = static_cast<int>(bytes.size());
  const int length =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0)
    return false;
  text.assign(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, text.data(), length);
  return true;
}

}  // namespace

ui::FieldCodec::Shown CodePageFieldCodec::Show(std::string_view bytes) const {
  std::wstring text;
  if (bytes.empty() || Decode(CP_UTF8, bytes, text))
    return {std::string(bytes), false};
  if (Decode(kShiftJis, bytes, text))
    return {Narrow(text), true};
  return {Narrow(Widen(bytes)), false};  // neither: shown with replacement characters
}

std::string CodePageFieldCodec::Bytes(std::string_view text, bool shiftJis) const {
  if (!shiftJis)
    return std::string(text);
  const std::wstring wide = Widen(text);
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(kShiftJis, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  WideCharToMultiByte(kShiftJis, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace km62rx::win32
