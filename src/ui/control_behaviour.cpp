#include "ui/control_behaviour.h"

namespace km62rx::ui {

ControlBehaviour BehaviourOf(const ControlSpec& def) {
  ControlBehaviour b;
  b.startsHidden = def.page > 0 || def.kind == ControlKind::kFrame;
  b.height = def.kind == ControlKind::kCombo ? kClosedComboHeight : def.geometry.height;
  // Frames and texts only show; everything the user works takes the focus.
  b.tabStop = def.kind != ControlKind::kFrame && def.kind != ControlKind::kVisibleFrame &&
              def.kind != ControlKind::kLabel && def.kind != ControlKind::kStatusText;
  switch (def.kind) {
    case ControlKind::kNumberField:
      b.rightAligned = true;
      [[fallthrough]];
    case ControlKind::kTimeField:
      b.digitsOnly = true;
      [[fallthrough]];
    case ControlKind::kHexField:
      b.inputMethod = false;
      [[fallthrough]];
    case ControlKind::kTextField:
      b.pastesOnOneLine = def.filter == InputFilter::kNone;
      break;
    default:
      break;
  }
  return b;
}

}  // namespace km62rx::ui
