#pragma once

#include "settings/windows_text.h"

namespace km62rx::win32 {

// The front end converts its texts with the settings layer's functions.
using settings::windows::Narrow;
using settings::windows::Widen;

}  // namespace km62rx::win32
