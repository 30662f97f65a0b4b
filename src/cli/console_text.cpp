#ifndef _WIN32

#include "cli/console_text.h"

namespace km62rx::cli {

std::optional<bool> WriteToConsole(std::FILE*, std::string_view) {
  return std::nullopt;
}

void UseBinaryStandardStreams() {}

}  // namespace km62rx::cli

#endif  // _WIN32
