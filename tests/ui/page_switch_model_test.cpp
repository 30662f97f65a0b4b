#include "ui/page_switch_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace km62rx::ui {
namespace {

// A click posts the switch, which reads the selection when it runs (no
// selection hides every page) and applies the availability after the page.
TEST(PageSwitchModelTest, AClickSwitchesToTheSelectionOnceHandled) {
  std::vector<std::function<void()>> posted;
  std::vector<std::string> seen;
  int selected = 3;
  PageSwitchModel model({[&](std::function<void()> call) { posted.push_back(call); },
                         [&] { return selected; },
                         [&](int page) { seen.push_back(std::to_string(page)); },
                         [&] { seen.push_back("availability"); }});
  for (const int page : {5, 0}) {
    model.Click();
    EXPECT_EQ(seen.size(), 2 * posted.size() - 2);
    selected = page;  // the tree handles the click after it was posted
    posted.back()();
    EXPECT_EQ(model.CurrentPage(), page);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"5", "availability", "0", "availability"}));
}

}  // namespace
}  // namespace km62rx::ui
