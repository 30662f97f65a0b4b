#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/clock.h"
#include "settings/file_chooser.h"
#include "settings/notifier.h"

namespace km62rx::win32 {

// What the window needs from the outside world; tests replace each part.
struct WindowServices {
  // A notifier whose boxes are owned by owner (the main window or a dialog).
  std::function<std::unique_ptr<Notifier>(HWND owner)> makeNotifier;
  // A file chooser whose dialogs are owned by owner.
  std::function<std::unique_ptr<FileChooser>(HWND owner)> makeFileChooser;
  // The ports the connect dialog lists, in order.
  std::function<std::vector<std::string>()> listPorts;
  // The PC's local time (the system's when null).
  const Clock* clock = nullptr;
  // Called once the main window is gone (the program ends its message loop).
  std::function<void()> closed;
};

// The services of the program itself: message boxes and the common file
// dialogs (and the system's clock); listPorts and closed are the caller's.
WindowServices SystemServices();

}  // namespace km62rx::win32
