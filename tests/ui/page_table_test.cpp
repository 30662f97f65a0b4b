#include "ui/page_table.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "device/control_ids.h"

namespace km62rx::ui {
namespace {

std::vector<const ControlSpec*> AllSpecs() {
  std::vector<const ControlSpec*> all;
  for (const auto* table : {&LinkPanelControls(), &SettingsAreaControls(), &PageControlSpecs()}) {
    for (const ControlSpec& def : *table)
      all.push_back(&def);
  }
  return all;
}

// The start and stop trigger pages share one frame; every other ID is unique.
TEST(PageTable, IdsAreUniqueExceptTheSharedFrame) {
  std::map<int, std::vector<int>> pagesOf;
  for (const ControlSpec* def : AllSpecs())
    pagesOf[def->id].push_back(def->page);
  for (const auto& [id, pages] : pagesOf) {
    if (pages.size() > 1)
      EXPECT_EQ(pages, (std::vector<int>{1, 4})) << "id " << id;
  }
  EXPECT_EQ(FindControlSpec(999), nullptr);
}

// The hex fields of a row have consecutive IDs and positions, and filters
// that chain them: first, middle ..., last.
TEST(PageTable, FiltersOfTheHexAndExtensionFields) {
  std::map<int, InputFilter> expected{{ids::kExtensionField, InputFilter::kExtension}};
  const std::tuple<int, int, int> rowGroups[] = {
      // first field, fields per row, rows
      {ids::StartDataByte(0, 0), 4, 3},      {ids::StopDataByte(0, 0), 4, 3},
      {ids::TimestampStartByte(0, 0), 4, 3}, {ids::TimestampStopByte(0, 0), 4, 3},
      {ids::ExcludedByte(0), 10, 1},
  };
  for (const auto& [first, count, rows] : rowGroups) {
    for (int id = first; id < first + count * rows; id += count) {
      const ControlSpec* head = FindControlSpec(id);
      for (int k = 0; k < count; ++k) {
        expected[id + k] = k == 0           ? InputFilter::kFirstByte
                           : k == count - 1 ? InputFilter::kLastByte
                                            : InputFilter::kMiddleByte;
        const ControlSpec* field = FindControlSpec(id + k);
        EXPECT_EQ(field->kind, ControlKind::kHexField);
        EXPECT_EQ(field->geometry.x, head->geometry.x + 40 * k);
        EXPECT_EQ(field->geometry.y, head->geometry.y);
      }
    }
  }
  std::map<int, InputFilter> actual;
  for (const ControlSpec* def : AllSpecs()) {
    if (def->filter != InputFilter::kNone)
      actual[def->id] = def->filter;
  }
  EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace km62rx::ui
