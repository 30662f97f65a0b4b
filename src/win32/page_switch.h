#pragma once

#include <windows.h>

#include <functional>

#include "ui/page_switch_model.h"
#include "win32/queued_calls.h"
#include "win32/window_controls.h"

namespace km62rx::win32 {

// The page switch on the real controls: the window hands it the tree's
// clicks (NM_CLICK, never a selection change, which the keyboard makes too),
// the switch is posted through the window's queued calls and shows the page
// of the tree's selection, hiding every other.
class PageSwitch {
 public:
  // afterSwitch runs after every switch.
  PageSwitch(HWND tree, PageWindowLists pages, QueuedCalls& queue,
             std::function<void()> afterSwitch);

  void Click() { model_.Click(); }
  int CurrentPage() const { return model_.CurrentPage(); }
  const PageWindowLists& Pages() const { return pages_; }

 private:
  int SelectedPage() const;
  void ShowPage(int page);

  HWND tree_;
  PageWindowLists pages_;
  ui::PageSwitchModel model_;
};

}  // namespace km62rx::win32
