#pragma once

#include "device/device_link.h"
#include "device/page_controls.h"
#include "device/results.h"
#include "settings/notifier.h"

namespace km62rx::device {

// Everything a settings command works on: the link, the pages it reads or
// writes, and the owner of its boxes (the main window).
struct CommandContext {
  DeviceLink& link;
  PageControls& pages;
  Notifier& mainWindow;
};

}  // namespace km62rx::device
