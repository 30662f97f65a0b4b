#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace km62rx::settings {

// Every path in our own interfaces is UTF-8. This turns one into the
// system's form: the bytes as they are on POSIX, UTF-16 on Windows. A path
// must never reach the system as a narrow string, which Windows would read
// in the ANSI code page.
inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace km62rx::settings
