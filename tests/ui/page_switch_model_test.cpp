#include "ui/page_switch_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace km62rx::ui {
namespace {

// A click posts the switch; the selection is read when the posted call runs,
// the page is shown, and the availability follows it.
TEST(PageSwitchModelTest, AClickSwitchesToTheSelectionOnceHandled) {
  std::vector<std::function<void()>> posted;
  std::vector<std::string> seen;
  int selected = 3;
  PageSwitchModel model({.post = [&](std::function<void()> call) { posted.push_back(call); },
                         .selectedPage = [&] { return selected; },
                         .showPage = [&](int page) { seen.push_back("show " + std::to_string(page)); },
                         .afterSwitch = [&] { seen.push_back("availability"); }});
  model.Click();
  EXPECT_TRUE(seen.empty());
  selected = 5;  // the tree handles the click after it was posted
  posted.at(0)();
  EXPECT_EQ(seen, (std::vector<std::string>{"show 5", "availability"}));
  EXPECT_EQ(model.CurrentPage(), 5);

  selected = 7;  // a keyboard move changes the selection only
  EXPECT_EQ(model.CurrentPage(), 5);
  selected = 0;  // no selected item hides every page
  model.Click();
  posted.at(1)();
  EXPECT_EQ(seen.back(), "availability");
  EXPECT_EQ(seen.at(2), "show 0");
  EXPECT_EQ(model.CurrentPage(), 0);
}

}  // namespace
}  // namespace km62rx::ui
