#pragma once

#include <QFont>

#include "ui/window_fonts.h"

namespace km62rx::app {

// The font a description names: its first installed face (all of them when
// none is), fixed pitch, at its size.
QFont FontOf(const ui::FontDescription& description);

}  // namespace km62rx::app
