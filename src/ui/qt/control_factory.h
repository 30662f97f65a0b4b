#pragma once

#include "ui/control_behaviour.h"

class QWidget;

namespace km62rx::ui {

// Creates the widget of one table row as a child of parent, at the row's
// geometry, with its text, limit, items and initial selection, and the
// behaviour of its kind (BehaviourOf). Input filters are attached
// separately, once every field exists.
QWidget* CreateControl(const ControlSpec& def, QWidget* parent);

}  // namespace km62rx::ui
