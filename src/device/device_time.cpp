#include "device/device_time.h"

#include <algorithm>
#include <cstdio>

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

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12)
    return 31;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

TypedTime KeepDayInMonth(TypedTime time) {
  time.day = std::min(time.day, DaysInMonth(time.year, time.month));
  return time;
}

bool IsDeviceTime(std::string_view payload) {
  if (payload.size() != 12 ||
      !std::all_of(payload.begin(), payload.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  const auto two = [&](std::size_t pos) {
    return (payload[pos] - '0') * 10 + payload[pos + 1] - '0';
  };
  const int month = two(2);
  const int day = two(4);
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(2000 + two(0), month) &&
         two(6) <= 23 && two(8) <= 59 && two(10) <= 59;
}

std::string DeviceTimePayload(const TypedTime& time) {
  char payload[32];
  std::snprintf(payload, sizeof payload, "%02d%02d%02d%02d%02d%02d", time.year - 2000, time.month,
                time.day, time.hour, time.minute, time.second);
  return payload;
}

TypedTime DeviceTimeOf(std::string_view payload) {
  const auto two = [&](std::size_t pos) {
    return (payload[pos] - '0') * 10 + payload[pos + 1] - '0';
  };
  return {2000 + two(0), two(2), two(4), two(6), two(8), two(10)};
}

namespace {

// Days since 1 March of year 0 of a date: a count without gaps across months
// and leap years, from which differences of dates follow.
long long DayNumber(int year, int month, int day) {
  if (month <= 2) {
    --year;
    month += 12;
  }
  return 365LL * year + year / 4 - year / 100 + year / 400 + (153 * (month - 3) + 2) / 5 + day;
}

long long SecondsOf(const TypedTime& t) {
  return DayNumber(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

}  // namespace

long long SecondsBetween(const TypedTime& a, const TypedTime& b) {
  return SecondsOf(b) - SecondsOf(a);
}

}  // namespace km62rx::device
