#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace km62rx::sim {

// A calendar time without time zone, as the logger's clock holds it: the
// date, then the time of day.
struct CivilTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;
};

// Seconds since 1970-01-01 00:00:00 of a calendar time, counted as if there
// were no time zone (so the arithmetic is the same everywhere). Out-of-range
// days roll over into the next month (31 February is 3 March).
std::int64_t ToSeconds(const CivilTime& time);
CivilTime FromSeconds(std::int64_t seconds);

// The host's local time now, in the same counting as ToSeconds.
std::int64_t HostLocalSeconds();

// The logger's clock: never set, or running at a fixed offset from the host's
// local time. The host time source can be replaced for tests.
class LoggerClock {
 public:
  using TimeSource = std::function<std::int64_t()>;

  explicit LoggerClock(bool set = true, TimeSource source = HostLocalSeconds);

  bool IsSet() const { return set_; }
  // The clock as 12 digits yyMMddhhmmss (yy = year - 2000, two digits).
  std::string Read() const;
  // Sets the clock from 12 digits yyMMddhhmmss. Returns false (clock unchanged)
  // unless the text is exactly 12 digits with month 01-12, day 01-31,
  // hour 00-23, minute and second 00-59.
  bool Set(std::string_view digits);

 private:
  bool set_;
  std::int64_t offset_ = 0;
  TimeSource source_;
};

// 12 digits yyMMddhhmmss of a calendar time. The logger keeps a two-digit
// year, so 2100 reads as 00.
std::string FormatClockDigits(const CivilTime& time);

}  // namespace km62rx::sim
