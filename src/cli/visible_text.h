#pragma once

#include <string>
#include <string_view>

namespace km62rx::cli {

// The text with every control character written visibly, so that a reply
// from a logger, a line of a file or a port name can never move the cursor,
// clear the screen or retitle the terminal it is printed on: CR and LF as
// "\r" and "\n", other C0 bytes and DEL as "\x1B", and the C1 code points
// U+0080-U+009F (UTF-8 C2 80 to C2 9F) as "\u0085". Other bytes, including
// those of Shift_JIS or UTF-8 text, pass unchanged.
enum class Shown {
  kForReading,  // a tab stays, a backslash stays single
  kExactBytes,  // the trace: a tab as "\x09" and a backslash as "\\" too
};
std::string VisibleText(std::string_view text, Shown shown = Shown::kForReading);

// Whether text holds a character that VisibleText would escape.
bool HoldsControlCharacter(std::string_view text);

}  // namespace km62rx::cli
