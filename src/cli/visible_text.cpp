#include "cli/visible_text.h"

#include <cstdio>

namespace km62rx::cli {
namespace {

bool IsC0OrDel(unsigned char c) {
  return (c < 0x20 && c != '\t') || c == 0x7F;
}

// Whether text[i] starts a C1 control in UTF-8 (C2 80 to C2 9F).
bool StartsC1(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]) == 0xC2 && i + 1 < text.size() &&
         static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
         static_cast<unsigned char>(text[i + 1]) <= 0x9F;
}

}  // namespace

std::string VisibleText(std::string_view text, Shown shown) {
  const bool exact = shown == Shown::kExactBytes;
  std::string visible;
  visible.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    char escaped[8];
    if (c == '\r') {
      visible += "\\r";
    } else if (c == '\n') {
      visible += "\\n";
    } else if (c == '\\' && exact) {
      visible += "\\\\";
    } else if (IsC0OrDel(c) || (c == '\t' && exact)) {
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      visible += escaped;
    } else if (StartsC1(text, i)) {
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned char>(text[++i]));
      visible += escaped;
    } else {
      visible += static_cast<char>(c);
    }
  }
  return visible;
}

bool HoldsControlCharacter(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsC0OrDel(static_cast<unsigned char>(text[i])) || StartsC1(text, i))
      return true;
  }
  return false;
}

}  // namespace km62rx::cli
