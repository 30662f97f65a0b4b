#include "device/connect_sequence.h"

#include "device/connection.h"
#include "device/link_errors.h"
#include "device/open_port.h"

namespace km62rx::device {

ConnectOutcome ConnectLogger(DeviceLink& link, const std::string& port,
                             const LineSettings& settings, Notifier& owner, Notifier& mainWindow,
                             const std::function<void(bool)>& opening, std::string* shownClock) {
  ConnectOutcome outcome;
  if (opening)
    opening(true);
  outcome.opened = OpenDevicePort(link, port, settings);
  if (opening)
    opening(false);
  if (outcome.opened != LinkResult::kOk) {
    ReportLinkError(outcome.opened, owner);
    CloseDeviceLink(link);
    return outcome;
  }
  const HandshakeResult handshake = QueryDeviceStatus(link, mainWindow);
  RefreshLinkStatus(link);
  outcome.connected = handshake != HandshakeResult::kClosed && link.connected == 1;
  if (!outcome.connected)
    return outcome;
  outcome.firmwareVersion = link.firmwareVersion;
  outcome.sdState = link.sdState;
  outcome.clock = ShowDeviceClock(link, owner, shownClock);
  return outcome;
}

}  // namespace km62rx::device
