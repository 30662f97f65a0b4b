#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "device/device_link.h"
#include "device/page_controls.h"
#include "settings/clock.h"
#include "settings/notifier.h"
#include "ui/window_host.h"

namespace km62rx::win32 {

// What the main window shares with its dialogs.
struct WindowContext {
  HWND mainWindow = nullptr;
  device::DeviceLink* link = nullptr;
  device::PageControls* pages = nullptr;
  Notifier* mainNotifier = nullptr;  // boxes owned by the main window
  ui::WindowHost* host = nullptr;    // the busy cursor and the file chooser
  const Clock* clock = nullptr;      // the PC's local time
  // The ports the connect dialog lists, in order.
  std::function<std::vector<std::string>()> listPorts;
  // A notifier whose boxes are owned by a dialog (tests record instead).
  std::function<std::unique_ptr<Notifier>(HWND owner)> makeNotifier;
};

}  // namespace km62rx::win32
