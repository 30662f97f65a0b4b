#pragma once

#include <string>
#include <string_view>

namespace km62rx::device {

// A time as the user types it: year as written (2026), month 1..12.
struct TypedTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The number of days of a month (1..12) of a year of the Gregorian calendar.
int DaysInMonth(int year, int month);

// The time with its day kept within its month: 30 February 2026 becomes the
// 28th. A month outside 1..12 leaves the day alone.
TypedTime KeepDayInMonth(TypedTime time);

// yyMMddhhmmss payload to "2026/03/15 14:25:30".
std::string FormatDeviceTime(std::string_view payload);

// Whether a clock reply's payload is a real time: exactly twelve digits
// yyMMddhhmmss of an existing day of 2000-2099, hour 00-23, minute and second
// 00-59.
bool IsDeviceTime(std::string_view payload);

// The yyMMddhhmmss payload of a time, as the clock command sends it.
std::string DeviceTimePayload(const TypedTime& time);

// The time of a payload for which IsDeviceTime holds.
TypedTime DeviceTimeOf(std::string_view payload);

// How many seconds b is after a (negative when before), both local calendar
// times of the Gregorian calendar.
long long SecondsBetween(const TypedTime& a, const TypedTime& b);

}  // namespace km62rx::device
