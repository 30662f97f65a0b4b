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

// Sends the PC's local time to the logger. Boxes go to owner. kLinkFailed
// when the exchange failed, kRefused when the logger refused or answered
// wrongly.
StepResult SetLoggerClockFromPc(DeviceLink& link, const Clock& clock, Notifier& owner);

// Sends a typed time to the logger (the clock dialog's exchange), with the
// same results.
StepResult SetLoggerClockFromTime(DeviceLink& link, const TypedTime& time, Notifier& owner);

}  // namespace km62rx::device
