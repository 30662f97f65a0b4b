#pragma once

#include <span>

#include "device/device_link.h"
#include "device/page_controls.h"
#include "settings/clock.h"
#include "settings/notifier.h"
#include "ui/window_host.h"

namespace km62rx::ui {

// What the main window's commands work on.
struct WindowCommandContext {
  device::DeviceLink& link;
  device::PageControls& pages;
  Notifier& notifier;  // boxes owned by the main window
  const Clock& clock;
  WindowHost& host;
};

// Runs the command of a menu item or button of the main window by its ID:
// 100 exit, 101 About, 400 connect, 401 disconnect, 415 send, 416 receive,
// 417 save, 418 load, 420 clock from the PC, 421 typed clock to the logger,
// 422 typed clock into a file. The commands that talk to the logger run
// with the send, receive and clock buttons off, and all but the clock
// dialog's under the busy cursor. Returns false for an ID without a command.
bool RunWindowCommand(int id, WindowCommandContext& ctx);

// The button IDs that have a command, in the order the window connects them.
std::span<const int> WindowButtonCommands();

}  // namespace km62rx::ui
