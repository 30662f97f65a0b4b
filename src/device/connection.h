#pragma once

#include <string>

#include "device/device_link.h"
#include "device/results.h"
#include "settings/notifier.h"

namespace km62rx::device {

// Disconnect: flags reset, port closed, panel refreshed.
void CloseDeviceLink(DeviceLink& link);
// End-of-run teardown: disconnects when connected.
void DestroyDeviceLink(DeviceLink& link);

// Handshake after OpenDevicePort: firmware ("DEV") and SD-card state ("DEC").
// kClosed when it failed and closed the link (the box said why).
HandshakeResult QueryDeviceStatus(DeviceLink& link, Notifier& mainWindow);

// Reads the logger clock ("TMG") and shows it in the box that says it is
// connected. kDone when that box was shown; otherwise an error box was.
// shownClock, when given, receives the clock as the box shows it
// ("2026/03/05 07:08:09", or the text for a clock not set).
StepResult ShowDeviceClock(DeviceLink& link, Notifier& owner, std::string* shownClock = nullptr);

// Tells the link's view (if any) that the link changed.
void RefreshLinkStatus(DeviceLink& link);

}  // namespace km62rx::device
