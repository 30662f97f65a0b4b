#include "sim/setting_rules.h"

#include <string>

#include "settings/logger_settings.h"

namespace km62rx::sim {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsHex(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsAlnum(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

bool IsHexPairs(std::string_view text, int minPairs, int maxPairs) {
  if (text.size() % 2 != 0)
    return false;
  const auto pairs = static_cast<int>(text.size() / 2);
  if (pairs < minPairs || pairs > maxPairs)
    return false;
  for (char c : text) {
    if (!IsHex(c))
      return false;
  }
  return true;
}

bool IsTimeOfDay(std::string_view text) {
  if (text.size() != 5)
    return false;
  for (char c : text) {
    if (!IsDigit(c))
      return false;
  }
  const int day = text[0] - '0';
  const int hour = (text[1] - '0') * 10 + (text[2] - '0');
  const int minute = (text[3] - '0') * 10 + (text[4] - '0');
  return day <= 7 && hour <= 23 && minute <= 59;
}

bool IsNumberInRange(std::string_view text, std::uint64_t max) {
  if (text.empty() || text.size() > 10)
    return false;
  std::uint64_t value = 0;
  for (char c : text) {
    if (!IsDigit(c))
      return false;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return value >= 1 && value <= max;
}

bool IsExtension(std::string_view text) {
  return text.size() == 3 && IsAlnum(text[0]) && IsAlnum(text[1]) && IsAlnum(text[2]);
}

bool IsSeparator(std::string_view text) {
  // The separator rule of the settings, but only texts that it keeps exactly
  // as they are: a text it would shorten (two backslashes) is not a valid
  // value on the wire.
  std::string normalized(text);
  return settings::NormalizeDelimiter(normalized) == 1 && normalized == text;
}

}  // namespace km62rx::sim
