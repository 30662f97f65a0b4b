#include "ui/page_table.h"

#include <gtest/gtest.h>

#include <map>

namespace km62rx::ui {
namespace {

// The start and stop trigger pages share one frame; every other ID is unique.
TEST(PageTable, IdsAreUniqueExceptTheSharedFrame) {
  std::map<int, std::vector<int>> pagesOf;
  for (const auto* table : {&LinkPanelControls(), &SettingsAreaControls(), &PageControlSpecs()}) {
    for (const ControlSpec& def : *table)
      pagesOf[def.id].push_back(def.page);
  }
  for (const auto& [id, pages] : pagesOf) {
    if (pages.size() > 1)
      EXPECT_EQ(pages, (std::vector<int>{1, 4})) << "id " << id;
  }
  EXPECT_EQ(FindControlSpec(999), nullptr);
}

}  // namespace
}  // namespace km62rx::ui
