#pragma once

#include <string>

#include "device/device_link.h"
#include "device/device_time.h"
#include "device/results.h"
#include "settings/clock.h"
#include "settings/notifier.h"

namespace km62rx::device {

// The typed time of a local calendar time.
TypedTime TypedTimeFromTm(const std::tm& local);

// "TMS" and yyMMddhhmmss and CR.
std::string BuildClockCommand(const TypedTime& time);

// What a clock exchange sent, and the time the logger answered that it now
// holds (its yyMMddhhmmss payload; empty without a valid answer).
struct ClockAnswer {
  TypedTime sent;
  std::string held;
};

// Sends the PC's local time to the logger. Boxes go to owner. kLinkFailed
// when the exchange failed, kRefused when the logger refused or answered
// wrongly. answer, when given, gets what was sent and answered.
StepResult SetLoggerClockFromPc(DeviceLink& link, const Clock& clock, Notifier& owner,
                                ClockAnswer* answer = nullptr);

// Sends a typed time to the logger (the clock dialog's exchange), with the
// same results.
StepResult SetLoggerClockFromTime(DeviceLink& link, const TypedTime& time, Notifier& owner,
                                  ClockAnswer* answer = nullptr);

}  // namespace km62rx::device
