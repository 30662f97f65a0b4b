#include "device/clock_commands.h"

#include "device/command_texts.h"
#include "device/device_time.h"
#include "device/exchange.h"
#include "device/link_errors.h"

namespace km62rx::device {

namespace {

// Sends the clock command and tells the user what the logger answered.
StepResult ExchangeClockCommand(DeviceLink& link, const TypedTime& time, Notifier& owner,
                                ClockAnswer* answer) {
  if (answer != nullptr)
    *answer = {time, {}};
  Reply reply;
  const LinkResult exchanged = ExchangeCommand(link, BuildClockCommand(time), reply);
  if (exchanged != LinkResult::kOk) {
    ReportLinkError(exchanged, owner);
    return StepResult::kLinkFailed;
  }
  // The logger answers with the time it now holds; anything but a real date
  // and time is no valid reply.
  if (reply.BeginsWithOk() && IsDeviceTime(reply.Payload())) {
    if (answer != nullptr)
      answer->held = reply.Payload();
    owner.Show(kClockSetTitle.Get(), WithValue(kClockSetText, FormatDeviceTime(reply.Payload())));
    return StepResult::kDone;
  }
  if (reply.At(0) == '0' && reply.At(1) == '1') {
    ReportLinkError(LinkNotice::kHardwareSettingsInvalid, owner);
  } else if (reply.At(0) == '9' && reply.At(1) == '9') {
    ReportLinkError(LinkNotice::kParameterMismatch, owner);
  } else {
    ReportLinkError(LinkNotice::kInvalidReply, owner);
  }
  return StepResult::kRefused;
}

}  // namespace

TypedTime TypedTimeFromTm(const std::tm& local) {
  return TypedTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                   local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string BuildClockCommand(const TypedTime& time) {
  return "TMS" + DeviceTimePayload(time) + "\r";
}

StepResult SetLoggerClockFromPc(DeviceLink& link, const Clock& clock, Notifier& owner,
                                ClockAnswer* answer) {
  return ExchangeClockCommand(link, TypedTimeFromTm(clock.LocalNow()), owner, answer);
}

StepResult SetLoggerClockFromTime(DeviceLink& link, const TypedTime& time, Notifier& owner,
                                  ClockAnswer* answer) {
  return ExchangeClockCommand(link, time, owner, answer);
}

}  // namespace km62rx::device
