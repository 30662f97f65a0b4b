#pragma once

#include <string>

#include "device/device_link.h"
#include "settings/clock.h"
#include "settings/notifier.h"

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

TypedTime TypedTimeFromTm(const std::tm& local);

// The number of days of a month (1..12) of a year of the Gregorian calendar.
int DaysInMonth(int year, int month);

// The time with its day kept within its month: 30 February 2026 becomes the
// 28th. A month outside 1..12 leaves the day alone.
TypedTime KeepDayInMonth(TypedTime time);

// "TMS" and yyMMddhhmmss and CR.
std::string BuildClockCommand(const TypedTime& time);

// Sends the PC's local time to the logger. Boxes go to owner. Returns 1 on
// success.
int SetLoggerClockFromPc(DeviceLink& link, const Clock& clock, Notifier& owner);

// Sends a typed time to the logger (the clock dialog's exchange). Returns 1
// on success.
int SetLoggerClockFromTime(DeviceLink& link, const TypedTime& time, Notifier& owner);

}  // namespace km62rx::device
