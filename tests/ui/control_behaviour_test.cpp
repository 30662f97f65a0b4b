#include "ui/control_behaviour.h"

#include <gtest/gtest.h>

#include <tuple>

namespace km62rx::ui {
namespace {

// What each kind of control asks of the widget drawn for it.
TEST(ControlBehaviour, EachKindTakesInputByItsRules) {
  struct Case {
    ControlKind kind;
    InputFilter filter;
    int page;
    bool hidden, digits, inputMethod, right, pasteOneLine, tabStop;
  };
  const Case cases[] = {
      {ControlKind::kNumberField, InputFilter::kNone, 3, true, true, false, true, true, true},
      {ControlKind::kTimeField, InputFilter::kNone, 3, true, true, false, false, true, true},
      {ControlKind::kHexField, InputFilter::kFirstByte, 2, true, false, false, false, false, true},
      {ControlKind::kTextField, InputFilter::kExtension, 0, false, false, true, false, false, true},
      {ControlKind::kTextField, InputFilter::kNone, 11, true, false, true, false, true, true},
      {ControlKind::kFrame, InputFilter::kNone, 0, true, false, true, false, false, false},
      {ControlKind::kVisibleFrame, InputFilter::kNone, 0, false, false, true, false, false, false},
      {ControlKind::kPushButton, InputFilter::kNone, 0, false, false, true, false, false, true},
      {ControlKind::kLabel, InputFilter::kNone, 7, true, false, true, false, false, false},
      {ControlKind::kStatusText, InputFilter::kNone, 0, false, false, true, false, false, false},
      {ControlKind::kCheck, InputFilter::kNone, 2, true, false, true, false, false, true},
      {ControlKind::kTreeView, InputFilter::kNone, 0, false, false, true, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    ControlSpec def;
    std::tie(def.kind, def.filter, def.page, def.geometry) =
        std::tuple(c.kind, c.filter, c.page, Geometry{1, 2, 3, 40});
    const ControlBehaviour b = BehaviourOf(def);
    EXPECT_EQ(std::tuple(b.startsHidden, b.digitsOnly, b.inputMethod, b.rightAligned,
                         b.pastesOnOneLine, b.enterPresses, b.tabStop, b.height),
              std::tuple(c.hidden, c.digits, c.inputMethod, c.right, c.pasteOneLine, false,
                         c.tabStop, 40));
  }
  ControlSpec combo;
  combo.kind = ControlKind::kCombo;
  combo.geometry.height = 200;  // the opened list
  EXPECT_EQ(BehaviourOf(combo).height, 22);
}

}  // namespace
}  // namespace km62rx::ui
