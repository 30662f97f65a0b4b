#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "device/device_link.h"
#include "device/page_controls.h"
#include "settings/clock.h"
#include "settings/file_chooser.h"
#include "settings/notifier.h"
#include "ui/window_host.h"

class QWidget;

namespace km62rx::app {

// What the window needs from the outside world; tests replace each part.
struct AppServices {
  // A notifier whose boxes are owned by owner (main window or a dialog).
  std::function<std::unique_ptr<Notifier>(QWidget* owner)> makeNotifier;
  // A file chooser whose dialogs are owned by owner.
  std::function<std::unique_ptr<FileChooser>(QWidget* owner)> makeFileChooser;
  // The ports the connect dialog lists, in order (discovery, then any ports
  // given on the command line).
  std::function<std::vector<std::string>()> listPorts;
  // The PC's local time.
  const Clock* clock = nullptr;
};

// The state the main window shares with its commands and dialogs.
struct AppContext {
  QWidget* mainWindow = nullptr;
  device::DeviceLink* link = nullptr;
  device::PageControls* pages = nullptr;
  Notifier* mainNotifier = nullptr;  // boxes owned by the main window
  AppServices* services = nullptr;
  ui::WindowHost* host = nullptr;  // the main window, as its commands' host
  // Enables and disables the device-dependent controls for a connected flag
  // and an SD state (the link's time-stamp flag is read from the link).
  std::function<void(int connected, int sdState)> updateControlAvailability;
};

}  // namespace km62rx::app
