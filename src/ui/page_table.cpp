#include "ui/page_table.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <unordered_map>

#include "settings/setting_table.h"

namespace km62rx::ui {
namespace {

using K = ControlKind;
using F = InputFilter;

// ---------------------------------------------------------------------------
// Fixed rows. A row names everything but the page and slot, which the
// table builder fills from the row's position.

struct Row {
  int id;
  ControlKind kind;
  std::string_view text;
  Geometry geometry;
  int limit = 0;
  int itemList = 0;  // index into kItemLists; 0 for no items
  int initialIndex = 0;
  InputFilter filter = F::kNone;
  bool enabled = true;
};

// Combo item lists, referred to by index from the rows (0 = none).
enum ItemListId { kNoItems = 0, kWeekdays, kSizeUnits, kOnOff, kTimestampTypes };

template <typename Rows>
std::vector<std::string> LabelsOf(const Rows& rows) {
  std::vector<std::string> items;
  for (const auto& row : rows)
    items.emplace_back(row.label);
  return items;
}

std::vector<std::string> ItemsOf(int list) {
  switch (list) {
    case kWeekdays:
      return {settings::WeekdayLabels.begin(), settings::WeekdayLabels.end()};
    case kSizeUnits:
      return LabelsOf(settings::SizeUnits);
    case kOnOff:
      return LabelsOf(settings::kTimestampMode.choices);
    case kTimestampTypes:
      return LabelsOf(settings::kTimestampType.choices);
    default:
      return {};
  }
}

// A row whose control starts disabled.
constexpr Row Disabled(Row row) {
  row.enabled = false;
  return row;
}

// Connection panel.
constexpr Row kLinkPanelRows[] = {
    {1000, K::kVisibleFrame, "本体シリアル接続", {10, 10, 640, 70}},
    {ids::kStatusLine, K::kStatusText, "", {20, 30, 300, 20}},
    {ids::kSdLine, K::kStatusText, "", {20, 55, 300, 20}},
    {ids::kConnectButton, K::kPushButton, "接続", {320, 40, 80, 24}},
    {ids::kDisconnectButton, K::kPushButton, "切断", {420, 40, 80, 24}},
};

// Settings area, in creation order.
constexpr Row kSettingsAreaRows[] = {
    {1001, K::kVisibleFrame, "トリガー/ロギング設定", {10, 90, 640, 300}},
    {ids::kPageTree, K::kTreeView, "", {20, 115, 180, 150}},
    Disabled({ids::kSendButton, K::kPushButton, "本体に送信", {30, 277, 100, 24}}),
    Disabled({ids::kReceiveButton, K::kPushButton, "本体設定受信", {30, 304, 100, 24}}),
    {ids::kSaveFileButton, K::kPushButton, "ファイル保存", {30, 331, 100, 24}},
    {ids::kLoadFileButton, K::kPushButton, "ファイル読込", {30, 359, 100, 24}},
    {1002, K::kVisibleFrame, "本体時刻設定", {10, 400, 640, 60}},
    Disabled({ids::kClockFromPcButton, K::kPushButton, "PC時刻を本体に反映", {20, 420, 160, 24}}),
    Disabled(
        {ids::kClockFromDialogButton, K::kPushButton, "指定時刻を本体に反映", {190, 420, 160, 24}}),
    {ids::kClockToFileButton, K::kPushButton, "指定時刻をファイルに保存", {360, 420, 160, 24}},
};

constexpr Geometry kPageFrame{210, 110, 430, 270};

// Column headers of the repeated pages (the blanks line the words up above
// the columns in the fixed-pitch font).
constexpr std::string_view kDataHeader = "有効                      データ(Hex)";
constexpr std::string_view kTimeHeader = "有効               曜日        時　 分";

// ---------------------------------------------------------------------------
// Pages. Each page is described by one of three kinds of description: a
// data-row page, a time-row page, or a page of fixed rows. The repeated
// rows of the first two kinds are generated from the row counts.

struct DataPage {
  const settings::DataRowsSetting* setting;
  int headerId;
  const char* checkFormat;  // "トリガー %d" or "データ %d"
};

struct TimePage {
  const settings::TimeRowsSetting* setting;
  int headerId;
};

struct PageDescription {
  int page;
  int frameId;
  std::string_view frameText;
  const DataPage* data = nullptr;
  const TimePage* time = nullptr;
  const Row* fixedRows = nullptr;  // after the repeated rows, if any
  std::size_t fixedCount = 0;
};

constexpr DataPage kStartDataPage{&settings::kStartData, 225, "トリガー %d"};
constexpr DataPage kStopDataPage{&settings::kStopData, 235, "トリガー %d"};
constexpr DataPage kTimestampStartPage{&settings::kTimestampStart, 290, "データ %d"};
constexpr DataPage kTimestampStopPage{&settings::kTimestampStop, 295, "データ %d"};

constexpr TimePage kStartTimePage{&settings::kStartTime, 230};
constexpr TimePage kStopTimePage{&settings::kStopTime, 240};

constexpr Row kIdleTimeRows[] = {
    {245, K::kLabel, "有効                  ミリ秒", {230, 130, 300, 20}},
    {ids::kStopIdleCheck, K::kCheck, "アイドル時間", {235, 152, 100, 24}},
    {ids::kStopIdleField, K::kNumberField, "1", {350, 152, 70, 20}},
};

constexpr Row kDataSizeRows[] = {
    {250, K::kLabel, "有効", {230, 130, 300, 20}},
    {ids::kStopSizeCheck, K::kCheck, "データサイズ", {235, 152, 100, 24}},
    {ids::kStopSizeField, K::kNumberField, "1", {350, 152, 40, 20}},
    {ids::kStopSizeUnit, K::kCombo, "", {395, 152, 65, 150}, 0, kSizeUnits, 0},
};

constexpr Row kLogTimeRows[] = {
    {255, K::kLabel, "有効                    日　時間　分　秒", {230, 130, 300, 20}},
    {ids::kStopLogTimeCheck, K::kCheck, "ロギング時間", {235, 152, 100, 24}},
    {ids::kLogDays, K::kNumberField, "1", {350, 152, 40, 20}},
    {ids::kLogHours, K::kNumberField, "0", {395, 152, 25, 20}},
    {ids::kLogMinutes, K::kNumberField, "0", {425, 152, 25, 20}},
    {ids::kLogSeconds, K::kNumberField, "0", {455, 152, 25, 20}},
};

constexpr Row kLoggingRows[] = {
    {260, K::kLabel, "(英数3文字)", {370, 130, 200, 20}},
    {261, K::kLabel, "ログファイル拡張子", {252, 155, 300, 20}},
    {ids::kExtensionField, K::kTextField, "LOG", {370, 150, 40, 20}, 3, kNoItems, 0, F::kExtension},
};

constexpr Row kTimestampRows[] = {
    {281, K::kLabel, "タイムスタンプ記録", {230, 135, 300, 20}},
    {ids::kTimestampModeCombo, K::kCombo, "", {430, 130, 65, 150}, 0, kOnOff, 0},
    {282, K::kLabel, "タイムスタンプ表示タイプ", {230, 165, 300, 20}},
    {ids::kTimestampTypeCombo, K::kCombo, "", {430, 160, 100, 150}, 0, kTimestampTypes, 0},
    {283, K::kLabel, "シリアル番号表示", {230, 195, 300, 20}},
    {ids::kTimestampSerialCombo, K::kCombo, "", {430, 190, 65, 150}, 0, kOnOff, 1},
    {284, K::kLabel, "区切り文字", {230, 225, 300, 20}},
    {ids::kSeparatorField, K::kTextField, ",", {430, 220, 40, 20}, 4},
    {285, K::kLabel, "除外データ(Hex)", {230, 285, 300, 20}},
    {ids::ExcludedByte(0), K::kHexField, "", {235, 305, 32, 24}, 2, kNoItems, 0, F::kFirstByte},
    {ids::ExcludedByte(1), K::kHexField, "", {275, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(2), K::kHexField, "", {315, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(3), K::kHexField, "", {355, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(4), K::kHexField, "", {395, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(5), K::kHexField, "", {435, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(6), K::kHexField, "", {475, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(7), K::kHexField, "", {515, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(8), K::kHexField, "", {555, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(9), K::kHexField, "", {595, 305, 32, 24}, 2, kNoItems, 0, F::kLastByte},
};

// The lower block of the time-stamp end-condition page, below its data rows.
constexpr Row kTimestampStopRows[] = {
    {ids::kTimestampIdleCheck, K::kCheck, "アイドル時間(ミリ秒)", {235, 252, 150, 24}},
    {ids::kTimestampIdleField, K::kNumberField, "1", {390, 252, 70, 20}},
    {ids::kTimestampSizeCheck, K::kCheck, "データサイズ", {235, 292, 100, 24}},
    {ids::kTimestampSizeField, K::kNumberField, "1", {350, 292, 40, 20}},
    {ids::kTimestampSizeUnit, K::kCombo, "", {395, 292, 65, 150}, 0, kSizeUnits, 0},
};

template <std::size_t N>
constexpr std::size_t CountOf(const Row (&)[N]) {
  return N;
}

const PageDescription kPages[] = {
    {1, 1003, "開始トリガー"},
    {2, 1004, "開始トリガー設定 (データ)", &kStartDataPage},
    {3, 1005, "開始トリガー設定 (時刻)", nullptr, &kStartTimePage},
    {4, 1003, "停止トリガー"},
    {5, 1006, "停止トリガー設定 (データ)", &kStopDataPage},
    {6, 1007, "停止トリガー設定 (時刻)", nullptr, &kStopTimePage},
    {7, 1008, "停止トリガー設定 (アイドル時間)", nullptr, nullptr, kIdleTimeRows,
     CountOf(kIdleTimeRows)},
    {8, 1009, "停止トリガー設定 (データサイズ)", nullptr, nullptr, kDataSizeRows,
     CountOf(kDataSizeRows)},
    {9, 1010, "停止トリガー設定 (ロギング時間)", nullptr, nullptr, kLogTimeRows,
     CountOf(kLogTimeRows)},
    {10, 1011, "ロギング設定", nullptr, nullptr, kLoggingRows, CountOf(kLoggingRows)},
    {11, 1012, "タイムスタンプ記録設定", nullptr, nullptr, kTimestampRows, CountOf(kTimestampRows)},
    {12, 1013, "タイムスタンプ記録 開始条件", &kTimestampStartPage},
    {13, 1014, "タイムスタンプ記録 終了条件", &kTimestampStopPage, nullptr, kTimestampStopRows,
     CountOf(kTimestampStopRows)},
};

// Input filter of byte k of a four-byte data row.
constexpr InputFilter RowByteFilter(int k) {
  return k == 0 ? F::kFirstByte : (k == 3 ? F::kLastByte : F::kMiddleByte);
}

ControlSpec SpecOf(const Row& row, int page, int slot) {
  ControlSpec def;
  def.id = row.id;
  def.kind = row.kind;
  def.text = std::string(row.text);
  def.geometry = row.geometry;
  // A numeric field takes as many digits as its largest value has.
  def.limit = row.limit != 0 ? row.limit : settings::FieldDigits(row.id);
  def.items = ItemsOf(row.itemList);
  def.initialIndex = row.initialIndex;
  def.filter = row.filter;
  def.page = page;
  def.slot = slot;
  def.initiallyEnabled = row.enabled;
  return def;
}

std::vector<ControlSpec> SpecsOf(const Row* rows, std::size_t count) {
  std::vector<ControlSpec> defs;
  for (std::size_t i = 0; i < count; ++i)
    defs.push_back(SpecOf(rows[i], 0, 0));
  return defs;
}

std::string FormatRowLabel(const char* format, int row) {
  char buffer[100];
  std::snprintf(buffer, sizeof buffer, format, row);
  return buffer;
}

// Appends the rows of one page, numbering the slots from the frame on.
void AppendPage(const PageDescription& page, std::vector<ControlSpec>& out) {
  int slot = 0;
  auto add = [&](const Row& row, std::string text = {}) {
    ControlSpec def = SpecOf(row, page.page, slot++);
    if (!text.empty())
      def.text = std::move(text);
    out.push_back(std::move(def));
  };

  add({page.frameId, K::kFrame, page.frameText, kPageFrame});

  if (const DataPage* data = page.data) {
    const settings::DataRowsSetting& setting = *data->setting;
    add({data->headerId, K::kLabel, kDataHeader, {230, 130, 300, 20}});
    for (int r = 0; r < setting.rows; ++r) {
      add({setting.check(r), K::kCheck, "", {235, 152 + 30 * r, 80, 24}},
          FormatRowLabel(data->checkFormat, r));
      for (int k = 0; k < ids::kBytesPerDataRow; ++k) {
        add({setting.byteField(r, k),
             K::kHexField,
             "",
             {345 + 40 * k, 150 + 30 * r, 32, 24},
             2,
             kNoItems,
             0,
             RowByteFilter(k)});
      }
    }
  }
  if (const TimePage* time = page.time) {
    const settings::TimeRowsSetting& setting = *time->setting;
    add({time->headerId, K::kLabel, kTimeHeader, {230, 130, 300, 20}});
    for (int r = 0; r < setting.rows; ++r) {
      const int y = 152 + 30 * r;
      add({setting.check(r), K::kCheck, "", {235, y, 80, 24}}, FormatRowLabel("トリガー %d", r));
      add({setting.weekday(r), K::kCombo, "", {335, y, 60, 150}, 0, kWeekdays, 0});
      add({setting.hour(r), K::kTimeField, "0", {410, y, 25, 20}});
      add({setting.minute(r), K::kTimeField, "0", {440, y, 25, 20}});
    }
  }
  for (std::size_t i = 0; i < page.fixedCount; ++i)
    add(page.fixedRows[i]);
}

std::vector<ControlSpec> BuildPageControls() {
  std::vector<ControlSpec> defs;
  for (const PageDescription& page : kPages)
    AppendPage(page, defs);
  return defs;
}

}  // namespace

const std::vector<ControlSpec>& LinkPanelControls() {
  static const std::vector<ControlSpec> defs = SpecsOf(kLinkPanelRows, CountOf(kLinkPanelRows));
  return defs;
}

const std::vector<ControlSpec>& SettingsAreaControls() {
  static const std::vector<ControlSpec> defs =
      SpecsOf(kSettingsAreaRows, CountOf(kSettingsAreaRows));
  return defs;
}

const std::vector<ControlSpec>& PageControlSpecs() {
  static const std::vector<ControlSpec> defs = BuildPageControls();
  return defs;
}

const std::vector<TreeItemSpec>& TreeItems() {
  static const std::vector<TreeItemSpec> items = {
      {1, "開始トリガー設定", 0},
      {2, "データ", 1},
      {3, "時刻", 1},
      {4, "停止トリガー設定", 0},
      {5, "データ", 4},
      {6, "時刻", 4},
      {7, "アイドル時間", 4},
      {8, "データサイズ", 4},
      {9, "ロギング時間", 4},
      {10, "ロギング設定", 0},
      {11, "タイムスタンプ記録設定", 0},
      {12, "開始条件", 11},
      {13, "終了条件", 11},
  };
  return items;
}

const std::vector<int>& ExpandedBranchPages() {
  static const std::vector<int> pages = {11, 4, 1};
  return pages;
}

const ControlSpec* FindControlSpec(int id) {
  static const std::unordered_map<int, const ControlSpec*> byId = [] {
    std::unordered_map<int, const ControlSpec*> map;
    for (const auto* table : {&LinkPanelControls(), &SettingsAreaControls(), &PageControlSpecs()}) {
      for (const ControlSpec& def : *table)
        map.emplace(def.id, &def);  // first one wins
    }
    return map;
  }();
  const auto it = byId.find(id);
  return it == byId.end() ? nullptr : it->second;
}

}  // namespace km62rx::ui
