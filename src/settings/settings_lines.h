#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace km62rx::settings {

// A settings line holds at most this many characters; a longer line is never
// a valid setting.
inline constexpr std::size_t kMaxLineLength = 99;
// ReadSettingsLine keeps at most this many bytes of a line and drops the rest
// of a longer one, so one huge line cannot take unbounded memory.
inline constexpr std::size_t kMaxKeptLineLength = 1024;

// The Load command's header search: reads lines of at most 99 characters
// until one begins with the header. A longer line, the end of the stream or
// a read failure ends the search with false. The stream is left wherever the
// search stopped; callers search a file read into memory and parse it anew.
bool FindSettingsHeader(std::istream& in);

// Reads one line, up to LF, CR LF or a lone CR (the line end is not part of
// the line). Returns false at the end of the stream when nothing was read.
bool ReadSettingsLine(std::istream& in, std::string& line);

}  // namespace km62rx::settings
