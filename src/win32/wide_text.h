#pragma once

#include <string>
#include <string_view>

namespace km62rx::win32 {

// The program's texts are UTF-8; the wide Windows calls take UTF-16.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace km62rx::win32
