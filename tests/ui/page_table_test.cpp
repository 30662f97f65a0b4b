#include "ui/page_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "device/control_ids.h"

namespace km62rx::ui {
namespace {

std::vector<const ControlSpec*> AllSpecs() {
  std::vector<const ControlSpec*> all;
  for (const auto* table : {&LinkPanelControls(), &SettingsAreaControls(), &PageControlSpecs()}) {
    for (const ControlSpec& spec : *table)
      all.push_back(&spec);
  }
  return all;
}

TEST(PageTable, IdsAreUniqueExceptTheSharedFrame) {
  std::map<int, int> count;
  for (const ControlSpec* spec : AllSpecs())
    ++count[spec->id];
  for (const auto& [id, n] : count) {
    EXPECT_EQ(n, id == 1003 ? 2 : 1) << "id " << id;
  }
  const ControlSpec* frame = FindControlSpec(1003);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->page, 1);
  EXPECT_EQ(frame->text, "開始トリガー");
  EXPECT_EQ(FindControlSpec(999), nullptr);
}

TEST(PageTable, EveryPageStartsWithItsFrameAndCountsItsSlots) {
  const std::map<int, std::pair<int, std::string>> frames = {
      {1, {1003, "開始トリガー"}},
      {2, {1004, "開始トリガー設定 (データ)"}},
      {3, {1005, "開始トリガー設定 (時刻)"}},
      {4, {1003, "停止トリガー"}},
      {5, {1006, "停止トリガー設定 (データ)"}},
      {6, {1007, "停止トリガー設定 (時刻)"}},
      {7, {1008, "停止トリガー設定 (アイドル時間)"}},
      {8, {1009, "停止トリガー設定 (データサイズ)"}},
      {9, {1010, "停止トリガー設定 (ロギング時間)"}},
      {10, {1011, "ロギング設定"}},
      {11, {1012, "タイムスタンプ記録設定"}},
      {12, {1013, "タイムスタンプ記録 開始条件"}},
      {13, {1014, "タイムスタンプ記録 終了条件"}},
  };
  // Frame + header + rows x (check + 4 hex) or rows x (check, combo, hour,
  // minute), plus the fixed controls of each page.
  const std::map<int, int> slotCounts = {{1, 1},   {2, 17},  {3, 30}, {4, 1}, {5, 17},
                                         {6, 30},  {7, 4},   {8, 5},  {9, 7}, {10, 4},
                                         {11, 20}, {12, 17}, {13, 22}};
  int lastPage = 0;
  int expectedSlot = 0;
  std::map<int, int> seen;
  for (const ControlSpec& spec : PageControlSpecs()) {
    ASSERT_GE(spec.page, lastPage) << "pages out of order at id " << spec.id;
    if (spec.page != lastPage) {
      lastPage = spec.page;
      expectedSlot = 0;
      EXPECT_EQ(spec.id, frames.at(spec.page).first);
      EXPECT_EQ(spec.text, frames.at(spec.page).second);
      EXPECT_EQ(spec.kind, ControlKind::kFrame);
      EXPECT_EQ(spec.geometry, (Geometry{210, 110, 430, 270}));
    }
    EXPECT_EQ(spec.slot, expectedSlot++) << "id " << spec.id;
    EXPECT_LT(spec.slot, 50);
    ++seen[spec.page];
  }
  EXPECT_EQ(seen, slotCounts);
}

TEST(PageTable, RowGeometryFollowsTheRowIndex) {
  const ControlSpec* check = FindControlSpec(ids::StopDataCheck(2));
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(check->text, "トリガー 2");
  EXPECT_EQ(check->geometry, (Geometry{235, 212, 80, 24}));

  const ControlSpec* byte = FindControlSpec(ids::StopDataByte(2, 3));
  ASSERT_NE(byte, nullptr);
  EXPECT_EQ(byte->id, 581);
  EXPECT_EQ(byte->geometry, (Geometry{465, 210, 32, 24}));
  EXPECT_EQ(byte->limit, 2);

  const ControlSpec* weekday = FindControlSpec(ids::StopTimeWeekday(6));
  ASSERT_NE(weekday, nullptr);
  EXPECT_EQ(weekday->geometry, (Geometry{335, 332, 60, 150}));
  ASSERT_EQ(weekday->items.size(), 8u);
  EXPECT_EQ(weekday->items.front(), "毎日");
  EXPECT_EQ(weekday->items.back(), "日曜日");

  const ControlSpec* minute = FindControlSpec(ids::StartTimeMinute(4));
  ASSERT_NE(minute, nullptr);
  EXPECT_EQ(minute->geometry, (Geometry{440, 272, 25, 20}));
  EXPECT_EQ(minute->text, "0");
  EXPECT_EQ(minute->kind, ControlKind::kTimeField);

  const ControlSpec* condition = FindControlSpec(ids::TimestampStopCheck(1));
  ASSERT_NE(condition, nullptr);
  EXPECT_EQ(condition->text, "データ 1");
  EXPECT_EQ(condition->page, 13);
}

TEST(PageTable, HeaderLabelsKeepTheirColumnSpacing) {
  const std::string data = "有効" + std::string(22, ' ') + "データ(Hex)";
  for (int id : {225, 235, 290, 295})
    EXPECT_EQ(FindControlSpec(id)->text, data) << id;
  const std::string time = "有効" + std::string(15, ' ') + "曜日" + std::string(8, ' ') + "時　 分";
  EXPECT_EQ(FindControlSpec(230)->text, time);
  EXPECT_EQ(FindControlSpec(240)->text, time);
  EXPECT_EQ(FindControlSpec(245)->text, "有効" + std::string(18, ' ') + "ミリ秒");
  EXPECT_EQ(FindControlSpec(255)->text, "有効" + std::string(20, ' ') + "日　時間　分　秒");
}

TEST(PageTable, FiltersOfTheHexAndExtensionFields) {
  std::map<int, InputFilter> expected;
  for (int base : {510, 570, 660, 680}) {
    for (int r = 0; r < 3; ++r) {
      expected[base + 4 * r] = InputFilter::kFirstByte;
      expected[base + 4 * r + 1] = InputFilter::kMiddleByte;
      expected[base + 4 * r + 2] = InputFilter::kMiddleByte;
      expected[base + 4 * r + 3] = InputFilter::kLastByte;
    }
  }
  expected[650] = InputFilter::kFirstByte;
  for (int id = 651; id <= 658; ++id)
    expected[id] = InputFilter::kMiddleByte;
  expected[659] = InputFilter::kLastByte;
  expected[645] = InputFilter::kExtension;

  std::map<int, InputFilter> actual;
  for (const ControlSpec* spec : AllSpecs()) {
    if (spec->filter != InputFilter::kNone)
      actual[spec->id] = spec->filter;
  }
  EXPECT_EQ(actual, expected);
}

TEST(PageTable, HexFieldsOfARowHaveConsecutiveIdsAndPositions) {
  const auto& specs = PageControlSpecs();
  for (std::size_t i = 0; i < specs.size(); ++i) {
    if (specs[i].filter != InputFilter::kFirstByte)
      continue;
    const int count = specs[i].id == 650 ? 10 : 4;
    for (int k = 1; k < count; ++k) {
      const ControlSpec& next = specs[i + static_cast<std::size_t>(k)];
      EXPECT_EQ(next.id, specs[i].id + k);
      EXPECT_EQ(next.kind, ControlKind::kHexField);
      EXPECT_EQ(next.geometry.x, specs[i].geometry.x + 40 * k);
      EXPECT_EQ(next.geometry.y, specs[i].geometry.y);
    }
  }
}

TEST(PageTable, LimitsAndInitialTextsOfTheEditFields) {
  const std::map<int, std::pair<int, std::string>> fields = {
      {620, {9, "1"}}, {630, {4, "1"}},   {640, {4, "1"}}, {641, {2, "0"}}, {642, {2, "0"}},
      {643, {2, "0"}}, {645, {3, "LOG"}}, {646, {4, ","}}, {695, {9, "1"}}, {696, {4, "1"}},
      {550, {2, "0"}}, {616, {2, "0"}},   {510, {2, ""}},  {659, {2, ""}},
  };
  for (const auto& [id, limitText] : fields) {
    const ControlSpec* spec = FindControlSpec(id);
    ASSERT_NE(spec, nullptr) << id;
    EXPECT_EQ(spec->limit, limitText.first) << id;
    EXPECT_EQ(spec->text, limitText.second) << id;
  }
}

TEST(PageTable, CombosOfTheTimestampPage) {
  EXPECT_EQ(FindControlSpec(335)->items, (std::vector<std::string>{"無効", "有効"}));
  EXPECT_EQ(FindControlSpec(335)->initialIndex, 0);
  EXPECT_EQ(FindControlSpec(336)->items,
            (std::vector<std::string>{"日付 + 時刻", "時刻のみ", "無し"}));
  EXPECT_EQ(FindControlSpec(336)->initialIndex, 0);
  EXPECT_EQ(FindControlSpec(337)->initialIndex, 1);
  EXPECT_EQ(FindControlSpec(330)->items, (std::vector<std::string>{"MByte", "KByte", "Byte"}));
  EXPECT_EQ(FindControlSpec(340)->items, FindControlSpec(330)->items);
}

TEST(PageTable, MainWindowControls) {
  std::vector<int> order;
  for (const ControlSpec& spec : SettingsAreaControls()) {
    order.push_back(spec.id);
    EXPECT_EQ(spec.page, 0);
    const bool disabled = spec.id == 415 || spec.id == 416 || spec.id == 420 || spec.id == 421;
    EXPECT_EQ(spec.initiallyEnabled, !disabled) << spec.id;
  }
  EXPECT_EQ(order, (std::vector<int>{1001, 700, 415, 416, 417, 418, 1002, 420, 421, 422}));
  EXPECT_EQ(FindControlSpec(422)->text, "指定時刻をファイルに保存");
  EXPECT_EQ(FindControlSpec(418)->geometry, (Geometry{30, 359, 100, 24}));

  order.clear();
  for (const ControlSpec& spec : LinkPanelControls())
    order.push_back(spec.id);
  EXPECT_EQ(order, (std::vector<int>{1000, 200, 201, 400, 401}));
  EXPECT_EQ(FindControlSpec(400)->text, "接続");
  EXPECT_EQ(FindControlSpec(401)->geometry, (Geometry{420, 40, 80, 24}));
}

TEST(PageTable, TreeItemsAndBranches) {
  const auto& items = TreeItems();
  ASSERT_EQ(items.size(), 13u);
  for (std::size_t i = 0; i < items.size(); ++i)
    EXPECT_EQ(items[i].page, static_cast<int>(i) + 1);
  std::set<int> roots;
  for (const TreeItemSpec& item : items) {
    if (item.parentPage == 0)
      roots.insert(item.page);
  }
  EXPECT_EQ(roots, (std::set<int>{1, 4, 10, 11}));
  EXPECT_EQ(items[8].text, "ロギング時間");
  EXPECT_EQ(items[8].parentPage, 4);
  EXPECT_EQ(ExpandedBranchPages(), (std::vector<int>{11, 4, 1}));
}

TEST(PageTable, NumericRanges) {
  struct Case {
    int id;
    int minimum;
    int maximum;
  };
  const Case cases[] = {
      {500, 2000, 2099}, {501, 1, 12},        {502, 1, 31},        {503, 0, 23},
      {505, 0, 59},      {556, 0, 23},        {560, 0, 59},        {606, 0, 23},
      {616, 0, 59},      {620, 1, 999999999}, {630, 1, 9999},      {640, 0, 9999},
      {641, 0, 23},      {643, 0, 59},        {695, 1, 999999999}, {696, 1, 9999}};
  for (const Case& c : cases) {
    const auto range = NumericFieldRange(c.id);
    ASSERT_TRUE(range.has_value()) << c.id;
    EXPECT_EQ(range->minimum, c.minimum) << c.id;
    EXPECT_EQ(range->maximum, c.maximum) << c.id;
  }
  for (int id : {499, 506, 557, 559, 607, 617, 621, 644, 645, 646, 697, 510}) {
    EXPECT_FALSE(NumericFieldRange(id).has_value()) << id;
  }
}

}  // namespace
}  // namespace km62rx::ui
