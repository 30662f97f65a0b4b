#include "device/connection.h"

#include "device/leading_decimal.h"
#include "device/link.h"

namespace km62rx::device {

namespace {
constexpr int kUnknownError = 0;
constexpr int kInvalidReply = 6;
constexpr int kNoCard = 4;
constexpr int kCardProtected = 5;
constexpr int kOldFirmware = 101;
constexpr int kFirstTimestampFirmware = 101;
constexpr const char* kConnectedTitle = "接続しました";
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

int QueryDeviceStatus(DeviceLink& link, Notifier& mainWindow) {
  link.firmwareVersion = 0;
  Reply reply;

  int code = ExchangeCommand(link, "DEV\r", reply);
  if (code != kLinkOk) {
    ReportLinkError(code, mainWindow);
    CloseDeviceLink(link);
    return 0;
  }
  if (!reply.BeginsWithOk()) {
    ReportLinkError(kUnknownError, mainWindow);
    CloseDeviceLink(link);
    return 0;
  }
  link.firmwareVersion = LeadingInt(reply.Payload());
  link.sdState = 0;

  code = ExchangeCommand(link, "DEC\r", reply);
  if (code != kLinkOk) {
    ReportLinkError(code, mainWindow);
    CloseDeviceLink(link);
    return 0;
  }
  if (!reply.BeginsWithOk()) {
    ReportLinkError(kInvalidReply, mainWindow);
    CloseDeviceLink(link);
    return 0;
  }

  const std::string payload = reply.Payload();
  const bool cardInserted = !payload.empty() && payload[0] == '1';
  const bool writeProtected = payload.size() > 1 && payload[1] == '1';
  if (!cardInserted) {
    ReportLinkError(kNoCard, mainWindow);
    return 1;
  }
  link.sdState |= 1;
  if (writeProtected) {
    link.sdState |= 2;
    ReportLinkError(kCardProtected, mainWindow);
    return 1;
  }
  if (link.firmwareVersion >= kFirstTimestampFirmware) {
    link.timestampSupported = 1;
  } else {
    link.timestampSupported = 0;
    ReportLinkError(kOldFirmware, mainWindow);
  }
  return 1;
}

int ShowDeviceClock(DeviceLink& link, Notifier& owner) {
  Reply reply;
  const int code = ExchangeCommand(link, "TMG\r", reply);
  if (code != kLinkOk) {
    ReportLinkError(code, owner);
    return 0;
  }
  // A clock that is not a real date and time is no valid reply.
  if (reply.BeginsWithOk() && IsDeviceTime(reply.Payload())) {
    owner.Show(kConnectedTitle, "本体時刻 : " + FormatDeviceTime(reply.Payload()));
    return 1;
  }
  if (reply.At(0) == '0' && reply.At(1) == '1') {
    owner.Show(kConnectedTitle, "本体時刻 : 未設定");
    return 1;
  }
  ReportLinkError(kInvalidReply, owner);
  return 0;
}

}  // namespace km62rx::device
