#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "ui/page_table.h"

namespace km62rx::win32 {

// The windows of the thirteen pages, by page number (index 0 unused), each
// page's list in slot order with its frame first.
using PageWindowLists = std::array<std::vector<HWND>, 14>;

// Every control of the main window with the row it was made from.
struct PlacedControl {
  HWND window;
  const ui::ControlSpec* def;
};

struct WindowControls {
  HWND tree = nullptr;
  PageWindowLists pages;
  std::vector<PlacedControl> all;  // in creation order, which is the tab order
};

// Builds the main window's controls as its children, in the tables' order:
// the connection panel, the settings area, then every control of pages 1 to
// 13 (hidden), and the tree's items.
WindowControls BuildWindowControls(HWND parent, UINT dpi);

// Places every control at dpi with font (after a change of DPI too).
void PlaceControls(const WindowControls& controls, UINT dpi, HFONT font);

}  // namespace km62rx::win32
