#pragma once

#include <span>
#include <string>
#include <vector>

#include "device/device_link.h"
#include "device/page_controls.h"
#include "settings/language.h"

namespace km62rx::device {

// What the connection panel shows for a link.
struct LinkPanelTexts {
  std::string statusLine;          // control 200
  std::string sdLine;              // control 201
  std::string connectButton;       // control 400: connect or reconnect
  bool disconnectEnabled = false;  // control 401
  friend bool operator==(const LinkPanelTexts&, const LinkPanelTexts&) = default;
};
LinkPanelTexts MakeLinkPanelTexts(const DeviceLink& link);

// A firmware version as the logger's panel shows it: 101 is "1.01".
std::string FirmwareVersionText(int firmwareVersion);

// Every text of the panel, for the check that each has its English.
std::span<const LocalText> LinkPanelTextTable();

// Which device-dependent controls are enabled for a connected flag, an SD
// state and the time-stamp support flag, in the rule's order.
struct ControlEnable {
  int id;
  bool enabled;
  friend bool operator==(const ControlEnable&, const ControlEnable&) = default;
};
std::vector<ControlEnable> UpdateControlAvailability(int connected, int sdState,
                                                     int timestampSupported);

// Enables and disables the device-dependent controls of pages by that rule.
void ApplyControlAvailability(PageControls& pages, int connected, int sdState,
                              int timestampSupported);

}  // namespace km62rx::device
