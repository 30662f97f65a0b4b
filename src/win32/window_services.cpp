#include "win32/window_services.h"

#include "win32/common_file_chooser.h"
#include "win32/message_box_notifier.h"

namespace km62rx::win32 {

WindowServices SystemServices() {
  WindowServices services;
  services.makeNotifier = [](HWND owner) -> std::unique_ptr<Notifier> {
    return std::make_unique<MessageBoxNotifier>(owner);
  };
  services.makeFileChooser = [](HWND owner) -> std::unique_ptr<FileChooser> {
    return std::make_unique<CommonFileChooser>(owner);
  };
  return services;
}

}  // namespace km62rx::win32
