#include "device/connection.h"

#include "device/command_texts.h"
#include "device/device_time.h"
#include "device/exchange.h"
#include "device/leading_decimal.h"
#include "device/link_errors.h"

namespace km62rx::device {

namespace {
constexpr int kFirstTimestampFirmware = 101;
// One handshake query: the exchange must succeed and the reply begin with
// "OK" (otherwise the box of notRecognised). On failure the box is shown and
// the link closed.
bool QueryOk(DeviceLink& link, std::string_view command, LinkNotice notRecognised, Reply& reply,
             Notifier& mainWindow) {
  const LinkResult exchanged = ExchangeCommand(link, command, reply);
  if (exchanged == LinkResult::kOk && reply.BeginsWithOk())
    return true;
  if (exchanged != LinkResult::kOk) {
    ReportLinkError(exchanged, mainWindow);
  } else {
    ReportLinkError(notRecognised, mainWindow);
  }
  CloseDeviceLink(link);
  return false;
}

}  // namespace

void RefreshLinkStatus(DeviceLink& link) {
  if (link.view != nullptr)
    link.view->LinkStatusChanged(link);
}

void CloseDeviceLink(DeviceLink& link) {
  link.connected = 0;
  link.timestampSupported = 1;
  link.sdState = 0;
  if (link.port != nullptr && link.port->IsOpen())
    link.port->Close();
  RefreshLinkStatus(link);
}

void DestroyDeviceLink(DeviceLink& link) {
  // The panel may already be gone at the end of the run: nothing is shown.
  link.view = nullptr;
  if (link.connected == 1) {
    CloseDeviceLink(link);
  } else if (link.port != nullptr && link.port->IsOpen()) {
    link.port->Close();
  }
}

HandshakeResult QueryDeviceStatus(DeviceLink& link, Notifier& mainWindow) {
  link.firmwareVersion = 0;
  Reply reply;

  if (!QueryOk(link, "DEV\r", LinkNotice::kUnknownError, reply, mainWindow))
    return HandshakeResult::kClosed;
  link.firmwareVersion = LeadingInt(reply.Payload());
  link.sdState = 0;

  if (!QueryOk(link, "DEC\r", LinkNotice::kInvalidReply, reply, mainWindow))
    return HandshakeResult::kClosed;

  const std::string payload = reply.Payload();
  const bool cardInserted = !payload.empty() && payload[0] == '1';
  const bool writeProtected = payload.size() > 1 && payload[1] == '1';
  if (!cardInserted) {
    ReportLinkError(LinkNotice::kNoCard, mainWindow);
    return HandshakeResult::kConnected;
  }
  link.sdState |= 1;
  if (writeProtected) {
    link.sdState |= 2;
    ReportLinkError(LinkNotice::kCardProtected, mainWindow);
    return HandshakeResult::kConnected;
  }
  if (link.firmwareVersion >= kFirstTimestampFirmware) {
    link.timestampSupported = 1;
  } else {
    link.timestampSupported = 0;
    ReportLinkError(LinkNotice::kOldFirmware, mainWindow);
  }
  return HandshakeResult::kConnected;
}

StepResult ShowDeviceClock(DeviceLink& link, Notifier& owner, std::string* shownClock) {
  Reply reply;
  const LinkResult exchanged = ExchangeCommand(link, "TMG\r", reply);
  if (exchanged != LinkResult::kOk) {
    ReportLinkError(exchanged, owner);
    return StepResult::kLinkFailed;
  }
  // A clock that is not a real date and time is no valid reply.
  std::string clock;
  if (reply.BeginsWithOk() && IsDeviceTime(reply.Payload()))
    clock = FormatDeviceTime(reply.Payload());
  else if (reply.At(0) == '0' && reply.At(1) == '1')
    clock = kClockNotSet.Get();
  if (!clock.empty()) {
    owner.Show(kConnectedTitle.Get(), WithValue(kLoggerClockText, clock));
    if (shownClock != nullptr)
      *shownClock = clock;
    return StepResult::kDone;
  }
  ReportLinkError(LinkNotice::kInvalidReply, owner);
  return StepResult::kRefused;
}

}  // namespace km62rx::device
