#include "ui/decimal_text.h"

#include "device/leading_decimal.h"

#include <charconv>
#include <limits>

namespace km62rx::ui {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Skips the leading blanks and reads the sign; returns the position of the
// first digit.
std::size_t SkipBlanksAndSign(std::string_view text, bool allowMinus, bool& negative) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i]))
    ++i;
  negative = false;
  if (i < text.size() && (text[i] == '+' || (allowMinus && text[i] == '-'))) {
    negative = text[i] == '-';
    ++i;
  }
  return i;
}

// The leading digits from position i, saturated at limit.
std::uint64_t LeadingDigits(std::string_view text, std::size_t i, std::uint64_t limit) {
  std::uint64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    if (value > limit)
      return limit;
  }
  return value;
}

}  // namespace

int DecimalValue(std::string_view text) {
  return device::LeadingInt(text);
}

std::uint32_t UnsignedDecimalValue(std::string_view text) {
  bool negative = false;
  const std::size_t start = SkipBlanksAndSign(text, false, negative);
  return static_cast<std::uint32_t>(
      LeadingDigits(text, start, std::numeric_limits<std::uint32_t>::max()));
}

std::string FormatDecimal(std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string FormatTwoDigits(int value) {
  std::string text = FormatDecimal(value);
  if (text.size() < 2)
    text.insert(0, 1, '0');  // a negative number has two characters already
  return text;
}

}  // namespace km62rx::ui
