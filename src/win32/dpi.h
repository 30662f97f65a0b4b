#pragma once

#include <windows.h>

namespace km62rx::win32 {

// The layout numbers of the descriptions are pixels at 96 DPI; the window
// scales them by the DPI of the monitor it is on.
inline constexpr UINT kDefaultDpi = 96;

// The DPI of the monitor a window is on (GetDpiForWindow where the system
// has it, loaded at run time so that older systems and Wine still start;
// else the screen's).
UINT WindowDpi(HWND window);

// A length at 96 DPI, scaled to dpi.
inline int Scale(int pixelsAt96, UINT dpi) {
  return MulDiv(pixelsAt96, static_cast<int>(dpi), static_cast<int>(kDefaultDpi));
}

}  // namespace km62rx::win32
