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

// One setting's send or receive command: sends the setting from the pages, or
// fills the pages from the logger. The command headers declare theirs in
// pairs with this type, one line a setting.
using SettingCommand = StepResult(CommandContext& ctx);

}  // namespace km62rx::device
