#pragma once

#include <windows.h>

#include "settings/notifier.h"

namespace km62rx::win32 {

// A box with the title, the text and only OK, without an icon, owned by a
// window (the main window or a dialog), which it keeps disabled until the
// box is dismissed.
class MessageBoxNotifier : public Notifier {
 public:
  explicit MessageBoxNotifier(HWND owner) : owner_(owner) {}
  void Show(std::string_view title, std::string_view text) override;

 private:
  HWND owner_;
};

}  // namespace km62rx::win32
