#include "win32/window_controls.h"

#include "win32/control_factory.h"

namespace km62rx::win32 {

WindowControls BuildWindowControls(HWND parent, UINT dpi) {
  WindowControls built;
  for (const auto* table :
       {&ui::LinkPanelControls(), &ui::SettingsAreaControls(), &ui::PageControlSpecs()}) {
    for (const ui::ControlSpec& def : *table) {
      HWND control = CreateControl(def, parent, dpi);
      if (control == nullptr)
        continue;
      built.all.push_back({control, &def});
      if (def.kind == ui::ControlKind::kTreeView)
        built.tree = control;
      if (def.page > 0 && def.page < static_cast<int>(built.pages.size()))
        built.pages[static_cast<std::size_t>(def.page)].push_back(control);
    }
  }
  if (built.tree != nullptr)
    BuildPageTree(built.tree);
  return built;
}

void PlaceControls(const WindowControls& controls, UINT dpi, HFONT font) {
  for (const PlacedControl& control : controls.all)
    PlaceControl(control.window, *control.def, dpi, font);
}

}  // namespace km62rx::win32
