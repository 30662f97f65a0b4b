#pragma once

#include "ui/page_table.h"

namespace km62rx::ui {

// How a control of the main window behaves beyond its table row, by its
// kind: what any front end sets on the widget it draws for the row.
struct ControlBehaviour {
  bool startsHidden = false;  // page controls and the page frames, until a page is shown
  bool digitsOnly =
      false;  // typing takes the digits 0-9 only; text set by the program is not checked
  bool inputMethod = true;    // an input method may compose text into the field
  bool rightAligned = false;  // the text sits at the right of the field
  bool pastesOnOneLine =
      false;  // a paste's line breaks are dropped (fields with no filter of their own)
  bool enterPresses = false;  // Enter in the window presses the button
  bool tabStop = false;       // Tab moves the focus to it (in the order of the tables)
  int height = 0;             // the control's height; a drop-down list's is its closed height
};
ControlBehaviour BehaviourOf(const ControlSpec& def);

// The closed height of a drop-down list; the table gives the height of the
// opened list instead.
inline constexpr int kClosedComboHeight = 22;

}  // namespace km62rx::ui
