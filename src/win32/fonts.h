#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

#include "ui/window_fonts.h"

namespace km62rx::win32 {

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The first of a description's faces that is installed; empty when none is.
std::wstring FirstInstalledFace(const ui::FontDescription& description);

// The font a description names, at a DPI: the first of its faces that is
// installed, else the system's fixed-pitch face for Japanese text. A pixel
// size is pixels at 96 DPI, a point size points.
FontHandle MakeFont(const ui::FontDescription& description, UINT dpi);

}  // namespace km62rx::win32
