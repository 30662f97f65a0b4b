#include "sim/logger_clock.h"

#include <cstdio>
#include <ctime>

namespace km62rx::sim {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's method).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2 ? 1 : 0));
}

int TwoDigits(std::string_view text, std::size_t at) {
  return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

}  // namespace

std::int64_t ToSeconds(const CivilTime& time) {
  // Day 1 of the month plus (day - 1) days lets day 31 of a short month roll on.
  const std::int64_t days =
      DaysFromCivil(time.year, static_cast<unsigned>(time.month), 1) + (time.day - 1);
  return days * kSecondsPerDay + time.hour * 3600 + time.minute * 60 + time.second;
}

CivilTime FromSeconds(std::int64_t seconds) {
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  CivilTime time;
  CivilFromDays(days, time.year, time.month, time.day);
  time.hour = static_cast<int>(rest / 3600);
  time.minute = static_cast<int>(rest % 3600 / 60);
  time.second = static_cast<int>(rest % 60);
  return time;
}

std::int64_t HostLocalSeconds() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return ToSeconds({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                    local.tm_min, local.tm_sec});
}

std::string FormatClockDigits(const CivilTime& time) {
  char text[64];
  const int year = ((time.year - 2000) % 100 + 100) % 100;
  std::snprintf(text, sizeof text, "%02d%02d%02d%02d%02d%02d", year, time.month, time.day,
                time.hour, time.minute, time.second);
  return text;
}

LoggerClock::LoggerClock(bool set, TimeSource source) : set_(set), source_(std::move(source)) {}

std::string LoggerClock::Read() const {
  return FormatClockDigits(FromSeconds(source_() + offset_));
}

bool LoggerClock::Set(std::string_view digits) {
  if (digits.size() != 12)
    return false;
  for (char c : digits) {
    if (c < '0' || c > '9')
      return false;
  }
  const CivilTime time{2000 + TwoDigits(digits, 0), TwoDigits(digits, 2), TwoDigits(digits, 4),
                       TwoDigits(digits, 6),        TwoDigits(digits, 8), TwoDigits(digits, 10)};
  if (time.month < 1 || time.month > 12 || time.day < 1 || time.day > 31 || time.hour > 23 ||
      time.minute > 59 || time.second > 59) {
    return false;
  }
  offset_ = ToSeconds(time) - source_();
  set_ = true;
  return true;
}

}  // namespace km62rx::sim
