#include "ui/link_panel.h"

#include "device/link_status.h"
#include "settings/control_ids.h"

namespace km62rx::ui {

void LinkPanel::LinkStatusChanged(const device::DeviceLink& link) {
  const device::LinkPanelTexts texts = device::MakeLinkPanelTexts(link);
  controls_.SetText(ids::kStatusLine, texts.statusLine);
  controls_.SetText(ids::kSdLine, texts.sdLine);
  controls_.SetText(ids::kConnectButton, texts.connectButton);
  controls_.SetEnabled(ids::kDisconnectButton, texts.disconnectEnabled);
  if (applyAvailability_)
    applyAvailability_(link.connected, link.sdState);
}

}  // namespace km62rx::ui
