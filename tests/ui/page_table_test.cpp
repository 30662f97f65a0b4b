#include "ui/page_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

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

TEST(PageTable, IdsAreUniqueExceptTheSharedFrame) {
  std::map<int, int> count;
  for (const ControlSpec* def : AllSpecs())
    ++count[def->id];
  for (const auto& [id, n] : count)
    EXPECT_EQ(n, id == 1003 ? 2 : 1) << "id " << id;
  EXPECT_EQ(FindControlSpec(1003)->page, 1);
  EXPECT_EQ(FindControlSpec(999), nullptr);
}

TEST(PageTable, EveryPageStartsWithItsFrameAndCountsItsSlots) {
  const std::map<int, std::tuple<int, std::string, int>> pages = {
      // page: frame ID, title, controls
      {1, {1003, "開始トリガー", 1}},
      {2, {1004, "開始トリガー設定 (データ)", 17}},
      {3, {1005, "開始トリガー設定 (時刻)", 30}},
      {4, {1003, "停止トリガー", 1}},
      {5, {1006, "停止トリガー設定 (データ)", 17}},
      {6, {1007, "停止トリガー設定 (時刻)", 30}},
      {7, {1008, "停止トリガー設定 (アイドル時間)", 4}},
      {8, {1009, "停止トリガー設定 (データサイズ)", 5}},
      {9, {1010, "停止トリガー設定 (ロギング時間)", 7}},
      {10, {1011, "ロギング設定", 4}},
      {11, {1012, "タイムスタンプ記録設定", 20}},
      {12, {1013, "タイムスタンプ記録 開始条件", 17}},
      {13, {1014, "タイムスタンプ記録 終了条件", 22}},
  };
  int lastPage = 0;
  int expectedSlot = 0;
  std::map<int, int> seen;
  for (const ControlSpec& def : PageControlSpecs()) {
    ASSERT_GE(def.page, lastPage) << "pages out of order at id " << def.id;
    if (def.page != lastPage) {
      lastPage = def.page;
      expectedSlot = 0;
      EXPECT_EQ(def.id, std::get<0>(pages.at(def.page)));
      EXPECT_EQ(def.text, std::get<1>(pages.at(def.page)));
      EXPECT_EQ(def.kind, ControlKind::kFrame);
    }
    EXPECT_EQ(def.slot, expectedSlot++) << "id " << def.id;
    ++seen[def.page];
  }
  for (const auto& [page, frame] : pages)
    EXPECT_EQ(seen[page], std::get<2>(frame)) << "page " << page;
}

TEST(PageTable, TextsThatCarryMeaningInTheirSpacing) {
  EXPECT_EQ(FindControlSpec(225)->text, "有効" + std::string(22, ' ') + "データ(Hex)");
  EXPECT_EQ(FindControlSpec(230)->text,
            "有効" + std::string(15, ' ') + "曜日" + std::string(8, ' ') + "時　 分");
  EXPECT_EQ(FindControlSpec(255)->text, "有効" + std::string(20, ' ') + "日　時間　分　秒");
  EXPECT_EQ(FindControlSpec(336)->items,
            (std::vector<std::string>{"日付 + 時刻", "時刻のみ", "無し"}));
  EXPECT_EQ(FindControlSpec(330)->items, (std::vector<std::string>{"MByte", "KByte", "Byte"}));
  EXPECT_EQ(FindControlSpec(340)->items, FindControlSpec(330)->items);
  const std::vector<std::string>& weekdays = FindControlSpec(326)->items;
  ASSERT_EQ(weekdays.size(), 8u);
  EXPECT_EQ(weekdays.front(), "毎日");
  EXPECT_EQ(weekdays.back(), "日曜日");
}

// The hex fields of a row have consecutive IDs and positions, and filters
// that chain them: first, middle ..., last.
TEST(PageTable, FiltersOfTheHexAndExtensionFields) {
  std::map<int, InputFilter> expected{{645, InputFilter::kExtension}};
  for (const auto& [first, count, rows] :
       {std::tuple{510, 4, 3}, std::tuple{570, 4, 3}, std::tuple{660, 4, 3}, std::tuple{680, 4, 3},
        std::tuple{650, 10, 1}}) {
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

TEST(PageTable, SettingsAreaInCreationOrder) {
  std::vector<int> order;
  for (const ControlSpec& def : SettingsAreaControls()) {
    order.push_back(def.id);
    const bool deviceButton = def.id == 415 || def.id == 416 || def.id == 420 || def.id == 421;
    EXPECT_EQ(def.initiallyEnabled, !deviceButton) << def.id;
  }
  EXPECT_EQ(order, (std::vector<int>{1001, 700, 415, 416, 417, 418, 1002, 420, 421, 422}));
}

}  // namespace
}  // namespace km62rx::ui
