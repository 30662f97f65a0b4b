#pragma once

// The program's texts, paths and arguments are UTF-8; the wide Windows
// calls take and give UTF-16. Only for _WIN32.
#ifdef _WIN32

#include <string>
#include <string_view>
#include <vector>

namespace km62rx::settings::windows {

// Bytes that are no UTF-8 (a Shift_JIS value) become replacement characters.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The words of the program's command line, its name first, as UTF-8:
// Windows hands narrow arguments over in the ANSI code page, which cannot
// hold every file name. Empty when the command line cannot be read.
std::vector<std::string> CommandLineArguments();

}  // namespace km62rx::settings::windows

#endif  // _WIN32
