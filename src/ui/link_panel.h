#pragma once

#include <functional>

#include "device/device_link.h"
#include "device/page_controls.h"

namespace km62rx::ui {

// The connection panel at the top of the main window (group box
// "本体シリアル接続", the connection and SD-card status lines, the buttons
// "接続"/"再接続" and "切断"): shows the link's state whenever it changes,
// then re-applies the availability of the device-dependent controls.
class LinkPanel : public device::LinkStatusView {
 public:
  // applyAvailability gets the connected flag and the SD state.
  LinkPanel(device::PageControls& controls,
            std::function<void(int connected, int sdState)> applyAvailability)
      : controls_(controls), applyAvailability_(std::move(applyAvailability)) {}

  void LinkStatusChanged(const device::DeviceLink& link) override;

 private:
  device::PageControls& controls_;
  std::function<void(int, int)> applyAvailability_;
};

}  // namespace km62rx::ui
