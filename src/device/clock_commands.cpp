#include "device/clock_commands.h"

#include <cstdio>

#include "device/connection.h"
#include "device/link.h"

namespace km62rx::device {

namespace {

constexpr int kInvalidReply = 6;
constexpr int kHardwareSettingsInvalid = 7;
constexpr int kParameterMismatch = 8;

// Sends the clock command and tells the user what the logger answered.
int ExchangeClockCommand(DeviceLink& link, const TypedTime& time, Notifier& owner) {
  Reply reply;
  const int code = ExchangeCommand(link, BuildClockCommand(time), reply);
  if (code != kLinkOk) {
    ReportLinkError(code, owner);
    return 0;
  }
  // The logger answers with the time it now holds; anything but a real date
  // and time is no valid reply.
  if (reply.BeginsWithOk() && IsDeviceTime(reply.Payload())) {
    owner.Show("本体時刻設定", FormatDeviceTime(reply.Payload()) + " に設定しました。");
    return 1;
  }
  if (reply.At(0) == '0' && reply.At(1) == '1') {
    ReportLinkError(kHardwareSettingsInvalid, owner);
  } else if (reply.At(0) == '9' && reply.At(1) == '9') {
    ReportLinkError(kParameterMismatch, owner);
  } else {
    ReportLinkError(kInvalidReply, owner);
  }
  return 0;
}

}  // namespace

TypedTime TypedTimeFromTm(const std::tm& local) {
  return TypedTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                   local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string BuildClockCommand(const TypedTime& time) {
  char line[100];
  std::snprintf(line, sizeof line, "%s%02d%02d%02d%02d%02d%02d\r", "TMS", time.year - 2000,
                time.month, time.day, time.hour, time.minute, time.second);
  return line;
}

int SetLoggerClockFromPc(DeviceLink& link, const Clock& clock, Notifier& owner) {
  return ExchangeClockCommand(link, TypedTimeFromTm(clock.LocalNow()), owner);
}

int SetLoggerClockFromTime(DeviceLink& link, const TypedTime& time, Notifier& owner) {
  return ExchangeClockCommand(link, time, owner);
}

}  // namespace km62rx::device
