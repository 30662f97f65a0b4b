#include "settings/notifier.h"

#include <cstdio>

namespace km62rx {

std::string StderrNotifier::FormatLine(std::string_view title, std::string_view text) {
  std::string line(title);
  line += ": ";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      line += ' ';
      ++i;
    } else {
      line += text[i];
    }
  }
  return line;
}

void StderrNotifier::Show(std::string_view title, std::string_view text) {
  const std::string line = FormatLine(title, text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace km62rx
