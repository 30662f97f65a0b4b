#include "win32/page_switch.h"

#include <commctrl.h>

#include "win32/control_factory.h"

namespace km62rx::win32 {

PageSwitch::PageSwitch(HWND tree, PageWindowLists pages, QueuedCalls& queue,
                       std::function<void()> afterSwitch)
    : tree_(tree),
      pages_(std::move(pages)),
      model_({.post = [&queue](std::function<void()> call) { queue.Post(std::move(call)); },
              .selectedPage = [this] { return SelectedPage(); },
              .showPage = [this](int page) { ShowPage(page); },
              .afterSwitch = std::move(afterSwitch)}) {}

int PageSwitch::SelectedPage() const {
  const auto selected =
      reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
  return PageOfItem(tree_, selected);
}

void PageSwitch::ShowPage(int page) {
  for (std::size_t index = 1; index < pages_.size(); ++index) {
    const int show = static_cast<int>(index) == page ? SW_SHOWNA : SW_HIDE;
    for (HWND control : pages_[index])
      ShowWindow(control, show);
  }
}

}  // namespace km62rx::win32
