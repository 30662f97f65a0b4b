#include "device/leading_decimal.h"

#include <limits>

namespace km62rx::device {

long long LeadingDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  constexpr long long kMax = std::numeric_limits<long long>::max();
  long long value = 0;  // kept as a negative number when negative, so the minimum fits
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    if (negative) {
      if (value < (std::numeric_limits<long long>::min() + digit) / 10) {
        return std::numeric_limits<long long>::min();
      }
      value = value * 10 - digit;
    } else {
      if (value > (kMax - digit) / 10)
        return kMax;
      value = value * 10 + digit;
    }
  }
  return value;
}

int LeadingInt(std::string_view text) {
  const long long value = LeadingDecimal(text);
  if (value > std::numeric_limits<int>::max())
    return std::numeric_limits<int>::max();
  if (value < std::numeric_limits<int>::min())
    return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

}  // namespace km62rx::device
