#pragma once

#include <span>
#include <string_view>

#include "settings/language.h"
#include "ui/window_fonts.h"

namespace km62rx::ui {

// One item of a menu, run as the command of its ID.
struct MenuItem {
  int id = 0;
  LocalText text;
};

// One menu of the menu bar.
struct Menu {
  LocalText title;
  std::span<const MenuItem> items;
};

// The main window around its controls (which the page table describes): a
// fixed-size window that can be minimised, neither resized nor maximised.
struct MainWindowDescription {
  std::string_view title;
  // The client area below the menu: what a 680 x 540 window with caption and
  // menu leaves for the controls, in pixels at 96 DPI.
  int clientWidth = 0;
  int clientHeight = 0;
  const FontDescription& font;
  std::span<const Menu> menus;
};

const MainWindowDescription& DescribedMainWindow();

}  // namespace km62rx::ui
