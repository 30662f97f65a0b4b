#include "sim/logger_clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace km62rx::sim {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

int TwoDigits(std::string_view text, std::size_t at) {
  return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

}  // namespace

std::int64_t ToSeconds(const CivilTime& time) {
  // Day 1 of the month plus (day - 1) days lets day 31 of a short month roll on.
  using namespace std::chrono;
  const sys_days first{year{time.year} / month{static_cast<unsigned>(time.month)} / 1};
  const std::int64_t days = first.time_since_epoch().count() + (time.day - 1);
  return days * kSecondsPerDay + time.hour * 3600 + time.minute * 60 + time.second;
}

CivilTime FromSeconds(std::int64_t seconds) {
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  using namespace std::chrono;
  const year_month_day date{sys_days{std::chrono::days{days}}};
  CivilTime time;
  time.year = static_cast<int>(date.year());
  time.month = static_cast<int>(static_cast<unsigned>(date.month()));
  time.day = static_cast<int>(static_cast<unsigned>(date.day()));
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
