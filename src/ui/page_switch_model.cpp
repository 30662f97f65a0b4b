#include "ui/page_switch_model.h"

namespace km62rx::ui {

void PageSwitchModel::Click() {
  view_.post([this] { ShowSelectedPage(); });
}

void PageSwitchModel::ShowSelectedPage() {
  currentPage_ = view_.selectedPage();
  view_.showPage(currentPage_);
  if (view_.afterSwitch)
    view_.afterSwitch();
}

}  // namespace km62rx::ui
