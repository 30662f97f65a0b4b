#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "device/device_link.h"
#include "settings/notifier.h"

namespace km62rx::device {

// Disconnect: flags reset, port closed, panel refreshed.
void CloseDeviceLink(DeviceLink& link);
// End-of-run teardown: disconnects when connected.
void DestroyDeviceLink(DeviceLink& link);

// Handshake after OpenDevicePort: firmware ("DEV") and SD-card state ("DEC").
// Returns 1 when the link is left connected, 0 when it was closed.
int QueryDeviceStatus(DeviceLink& link, Notifier& mainWindow);

// Reads the logger clock ("TMG") and shows it in the box "接続しました".
// Returns 1 when that box was shown, 0 after an error box.
int ShowDeviceClock(DeviceLink& link, Notifier& owner);

// yyMMddhhmmss payload to "2026/03/15 14:25:30".
std::string FormatDeviceTime(std::string_view payload);

// Whether a clock reply's payload is a real time: exactly twelve digits
// yyMMddhhmmss of an existing day of 2000-2099, hour 00-23, minute and second
// 00-59.
bool IsDeviceTime(std::string_view payload);

// Tells the link's view (if any) that the link changed.
void RefreshLinkStatus(DeviceLink& link);

// What the connection panel shows for a link.
struct LinkPanelTexts {
  std::string statusLine;          // control 200
  std::string sdLine;              // control 201
  std::string connectButton;       // control 400: "接続" or "再接続"
  bool disconnectEnabled = false;  // control 401
  friend bool operator==(const LinkPanelTexts&, const LinkPanelTexts&) = default;
};
LinkPanelTexts MakeLinkPanelTexts(const DeviceLink& link);

// Which device-dependent controls are enabled for a connected flag, an SD
// state and the time-stamp support flag, in the rule's order.
struct ControlEnable {
  int id;
  bool enabled;
  friend bool operator==(const ControlEnable&, const ControlEnable&) = default;
};
std::vector<ControlEnable> UpdateControlAvailability(int connected, int sdState,
                                                     int timestampSupported);

}  // namespace km62rx::device
