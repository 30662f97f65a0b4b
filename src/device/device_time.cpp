#include <cstdio>

#include "device/connection.h"
#include "device/leading_decimal.h"

namespace km62rx::device {

std::string FormatDeviceTime(std::string_view payload) {
  // The fields come from the value of the number, not from character
  // positions: a payload with fewer digits reads as a smaller number.
  const long long v = LeadingDecimal(payload.substr(0, 12));
  const int year = static_cast<int>(v / 10000000000LL + 2000);
  const int month = static_cast<int>((v % 10000000000LL) / 100000000);
  const int day = static_cast<int>((v % 100000000) / 1000000);
  const int hour = static_cast<int>((v % 1000000) / 10000);
  const int minute = static_cast<int>((v % 10000) / 100);
  const int second = static_cast<int>(v % 100);
  char text[100];
  std::snprintf(text, sizeof text, "%d/%02d/%02d %02d:%02d:%02d", year, month, day, hour, minute,
                second);
  return text;
}

}  // namespace km62rx::device
