#include "sim/setting_rules.h"

#include <string>
#include <string_view>

#include "settings/logger_settings.h"

namespace km62rx::sim {

namespace {

// The simulator's own character classes, ASCII only whatever the locale.
constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kHexDigits = "0123456789ABCDEFabcdef";
constexpr std::string_view kLettersAndDigits =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

bool IsIn(std::string_view set, char c) {
  return set.find(c) != std::string_view::npos;
}
bool IsDigit(char c) {
  return IsIn(kDigits, c);
}
bool IsHex(char c) {
  return IsIn(kHexDigits, c);
}
bool IsAlnum(char c) {
  return IsIn(kLettersAndDigits, c);
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
