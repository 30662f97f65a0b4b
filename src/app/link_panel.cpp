#include "app/link_panel.h"

#include "device/link_status.h"
#include "settings/control_ids.h"
#include "ui/page_table.h"
#include "ui/qt/control_factory.h"
#include "ui/qt/qt_page_controls.h"

namespace km62rx::app {

LinkPanel::LinkPanel(QWidget* parent, ui::QtPageControls& controls,
                     std::function<void(int, int)> applyAvailability)
    : controls_(controls), applyAvailability_(std::move(applyAvailability)) {
  for (const ui::ControlSpec& def : ui::LinkPanelControls()) {
    controls_.Register(def.id, ui::CreateControl(def, parent));
  }
}

void LinkPanel::LinkStatusChanged(const device::DeviceLink& link) {
  const device::LinkPanelTexts texts = device::MakeLinkPanelTexts(link);
  controls_.SetText(ids::kStatusLine, texts.statusLine);
  controls_.SetText(ids::kSdLine, texts.sdLine);
  controls_.SetText(ids::kConnectButton, texts.connectButton);
  controls_.SetEnabled(ids::kDisconnectButton, texts.disconnectEnabled);
  if (applyAvailability_)
    applyAvailability_(link.connected, link.sdState);
}

}  // namespace km62rx::app
