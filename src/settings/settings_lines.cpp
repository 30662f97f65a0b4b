#include <istream>
#include <string>

#include "settings/settings_format.h"
#include "settings/settings_lines.h"

namespace km62rx::settings {

// Reads byte by byte from the stream buffer, so that a line end of LF, CR LF
// or a lone CR ends the line, and NUL or other bytes are kept as data. A line
// longer than kMaxKeptLineLength keeps its first bytes only; the rest of it is
// read and dropped, so one huge line cannot take unbounded memory. Such a line
// is far beyond any valid setting and is still seen as too long by callers.
bool ReadSettingsLine(std::istream& in, std::string& line) {
  line.clear();
  std::istream::sentry sentry(in, /*noskipws=*/true);
  if (!sentry)
    return false;
  std::streambuf* buffer = in.rdbuf();
  using Traits = std::istream::traits_type;
  bool readAny = false;
  try {
    while (true) {
      const Traits::int_type c = buffer->sbumpc();
      if (Traits::eq_int_type(c, Traits::eof())) {
        in.setstate(readAny ? std::ios_base::eofbit
                            : std::ios_base::eofbit | std::ios_base::failbit);
        return readAny;
      }
      readAny = true;
      const char ch = Traits::to_char_type(c);
      if (ch == '\n')
        return true;
      if (ch == '\r') {
        // CR LF is one line end; a lone CR ends the line by itself.
        if (Traits::eq_int_type(buffer->sgetc(), Traits::to_int_type('\n')))
          buffer->sbumpc();
        return true;
      }
      if (line.size() < kMaxKeptLineLength)
        line.push_back(ch);
    }
  } catch (...) {
    // A read error (a folder opened as a file, a failing disk) ends the
    // reading like the end of the stream; the broken line is dropped.
    line.clear();
  }
  in.setstate(std::ios_base::badbit);
  return false;
}

bool FindSettingsHeader(std::istream& in) {
  std::string line;
  while (ReadSettingsLine(in, line)) {
    if (line.size() > kMaxLineLength)
      return false;
    if (line.compare(0, kSettingsHeader.size(), kSettingsHeader) == 0)
      return true;
  }
  return false;
}

}  // namespace km62rx::settings
