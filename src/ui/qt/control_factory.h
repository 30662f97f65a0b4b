#pragma once

#include "ui/page_table.h"

class QWidget;

namespace km62rx::ui {

// The closed height of a drop-down list; the table gives the height of the
// opened list instead.
inline constexpr int kClosedComboHeight = 22;

// Creates the widget of one table row as a child of parent, at the row's
// geometry, with its text, limit, items and initial selection. Page
// controls (and hidden frames) start hidden. Input filters are attached
// separately, once every field exists.
QWidget* CreateControl(const ControlSpec& def, QWidget* parent);

}  // namespace km62rx::ui
