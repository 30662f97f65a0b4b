#pragma once

#include <functional>
#include <string>

#include "device/device_link.h"
#include "device/line_settings.h"
#include "device/results.h"
#include "settings/notifier.h"

namespace km62rx::device {

// How a connect went.
struct ConnectOutcome {
  LinkResult opened = LinkResult::kOk;  // the port opened and a KM-62RX answered
  bool connected = false;               // still connected after the handshake
  int firmwareVersion = 0;              // as the handshake found them
  int sdState = 0;
  StepResult clock = StepResult::kDone;  // reading the logger's clock, when connected
};

// The connect of the connect dialog's "接続" and of the command line:
// opens the port and identifies the logger (a failure is reported to owner
// and the port closed), runs the handshake (its boxes go to mainWindow),
// shows the link's state, and when still connected shows the logger's clock
// to owner. opening is called with true before the port is opened and with
// false after it (the dialog's buttons are off meanwhile).
ConnectOutcome ConnectLogger(DeviceLink& link, const std::string& port,
                             const LineSettings& settings, Notifier& owner, Notifier& mainWindow,
                             const std::function<void(bool opening)>& opening = {},
                             std::string* shownClock = nullptr);

}  // namespace km62rx::device
