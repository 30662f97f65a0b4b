#pragma once

#include <functional>

namespace km62rx::ui {

// Which page of the settings area is shown. Only a click in the tree switches
// pages: the switch is posted so that it runs after the tree has handled the
// click and changed its selection, and reads the selection then. Moving the
// selection with the keyboard leaves the page as it is until the next click.
// After every switch the availability of the device-dependent controls is
// applied again, since the page's controls were hidden while it changed.
class PageSwitchModel {
 public:
  struct View {
    // Runs a call once the event being handled is done (a queued call).
    std::function<void(std::function<void()>)> post;
    // The page of the tree's selected item, 1..13, or 0 when none is.
    std::function<int()> selectedPage;
    // Shows that page whole and hides every other; 0 hides them all.
    std::function<void(int page)> showPage;
    std::function<void()> afterSwitch;
  };

  explicit PageSwitchModel(View view) : view_(std::move(view)) {}

  // A left click in the tree.
  void Click();
  // Shows the page of the selected item now.
  void ShowSelectedPage();

  int CurrentPage() const { return currentPage_; }

 private:
  View view_;
  int currentPage_ = 0;  // 1..13, 0 = none
};

}  // namespace km62rx::ui
