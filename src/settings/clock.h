#pragma once

#include <ctime>

namespace km62rx {

// The PC's local time, broken down as std::tm (tm_year = years since 1900,
// tm_mon = 0..11). Tests pin it with FixedClock.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::tm LocalNow() const = 0;
};

class SystemClock : public Clock {
 public:
  std::tm LocalNow() const override {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);  // Windows has the same call with its arguments swapped
#else
    localtime_r(&now, &local);
#endif
    return local;
  }
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(std::tm time) : time_(time) {}
  // year as written (2026), month 1..12.
  FixedClock(int year, int month, int day, int hour, int minute, int second) {
    time_.tm_year = year - 1900;
    time_.tm_mon = month - 1;
    time_.tm_mday = day;
    time_.tm_hour = hour;
    time_.tm_min = minute;
    time_.tm_sec = second;
  }
  std::tm LocalNow() const override { return time_; }

 private:
  std::tm time_{};
};

}  // namespace km62rx
