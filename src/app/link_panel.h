#pragma once

#include <functional>

#include "device/device_link.h"
#include "device/page_controls.h"

class QWidget;

namespace km62rx::ui {
class QtPageControls;
}

namespace km62rx::app {

// The connection panel at the top of the main window: group box
// "本体シリアル接続", the connection and SD-card status lines and the buttons
// "接続"/"再接続" and "切断". Shows the link's state whenever it changes and
// then re-applies the availability of the device-dependent controls.
class LinkPanel : public device::LinkStatusView {
 public:
  // Creates the panel's controls as children of parent and registers them
  // by ID. applyAvailability gets the connected flag and the SD state.
  LinkPanel(QWidget* parent, ui::QtPageControls& controls,
            std::function<void(int connected, int sdState)> applyAvailability);

  void LinkStatusChanged(const device::DeviceLink& link) override;

 private:
  ui::QtPageControls& controls_;
  std::function<void(int, int)> applyAvailability_;
};

}  // namespace km62rx::app
