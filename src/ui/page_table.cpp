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
  LocalText text;
  Geometry geometry;
  int limit = 0;
  int itemList = 0;  // index into kItemLists; 0 for no items
  int initialIndex = 0;
  InputFilter filter = F::kNone;
  bool enabled = true;
};

// Combo item lists, referred to by index from the rows (0 = none).
enum ItemListId { kNoItems = 0, kWeekdays, kSizeUnits, kOnOff, kTimestampTypes };

std::string In(const LocalText& text, Language language) {
  return std::string(text.In(language));
}
// A text that reads the same in both languages (the size units).
std::string In(std::string_view text, Language) {
  return std::string(text);
}

template <typename Labels>
std::vector<std::string> TextsOf(const Labels& labels, Language language) {
  std::vector<std::string> items;
  for (const auto& label : labels)
    items.push_back(In(label, language));
  return items;
}

template <typename Rows>
std::vector<std::string> LabelsOf(const Rows& rows, Language language) {
  std::vector<std::string> items;
  for (const auto& row : rows)
    items.push_back(In(row.label, language));
  return items;
}

std::vector<std::string> ItemsOf(int list, Language language) {
  switch (list) {
    case kWeekdays:
      return TextsOf(settings::WeekdayLabels, language);
    case kSizeUnits:
      return LabelsOf(settings::SizeUnits, language);
    case kOnOff:
      return LabelsOf(settings::kTimestampMode.choices, language);
    case kTimestampTypes:
      return LabelsOf(settings::kTimestampType.choices, language);
    default:
      return {};
  }
}

// A row whose control starts disabled.
constexpr Row Disabled(Row row) {
  row.enabled = false;
  return row;
}

// The initial text of most numeric fields.
constexpr LocalText kOne{"1", "1"};
constexpr LocalText kZero{"0", "0"};

// Connection panel.
constexpr Row kLinkPanelRows[] = {
    {1000, K::kVisibleFrame, {"本体シリアル接続", "Logger connection"}, {10, 10, 640, 70}},
    {ids::kStatusLine, K::kStatusText, {}, {20, 30, 300, 20}},
    {ids::kSdLine, K::kStatusText, {}, {20, 55, 300, 20}},
    {ids::kConnectButton, K::kPushButton, {"接続", "Connect"}, {320, 40, 80, 24}},
    {ids::kDisconnectButton, K::kPushButton, {"切断", "Disconnect"}, {420, 40, 80, 24}},
};

// Settings area, in creation order.
constexpr Row kSettingsAreaRows[] = {
    {1001, K::kVisibleFrame, {"トリガー/ロギング設定", "Triggers and logging"}, {10, 90, 640, 300}},
    {ids::kPageTree, K::kTreeView, {}, {20, 115, 180, 150}},
    Disabled({ids::kSendButton, K::kPushButton, {"本体に送信", "Send"}, {30, 277, 100, 24}}),
    Disabled(
        {ids::kReceiveButton, K::kPushButton, {"本体設定受信", "Receive"}, {30, 304, 100, 24}}),
    {ids::kSaveFileButton, K::kPushButton, {"ファイル保存", "Save file"}, {30, 331, 100, 24}},
    {ids::kLoadFileButton, K::kPushButton, {"ファイル読込", "Load file"}, {30, 359, 100, 24}},
    {1002, K::kVisibleFrame, {"本体時刻設定", "Logger clock"}, {10, 400, 640, 60}},
    Disabled({ids::kClockFromPcButton,
              K::kPushButton,
              {"PC時刻を本体に反映", "Set to PC time"},
              {20, 420, 160, 24}}),
    Disabled({ids::kClockFromDialogButton,
              K::kPushButton,
              {"指定時刻を本体に反映", "Set manually"},
              {190, 420, 160, 24}}),
    {ids::kClockToFileButton,
     K::kPushButton,
     {"指定時刻をファイルに保存", "Save time to file"},
     {360, 420, 160, 24}},
};

constexpr Geometry kPageFrame{210, 110, 430, 270};

// Column headers of the repeated pages (the blanks line the words up above
// the columns in the fixed-pitch font, where a Latin letter is half as wide
// as a kana or kanji).
constexpr LocalText kDataHeader{"有効                      データ(Hex)",
                                "On                        Data (hex)"};
constexpr LocalText kTimeHeader{"有効               曜日        時　 分",
                                "On             Day              h  min"};

// ---------------------------------------------------------------------------
// Pages. Each page is described by one of three kinds of description: a
// data-row page, a time-row page, or a page of fixed rows. The repeated
// rows of the first two kinds are generated from the row counts.

struct DataPage {
  const settings::DataRowsSetting* setting;
  int headerId;
  LocalText checkFormat;  // "トリガー %d" or "データ %d"
};

struct TimePage {
  const settings::TimeRowsSetting* setting;
  int headerId;
};

struct PageDescription {
  int page;
  int frameId;
  LocalText frameText;
  const DataPage* data = nullptr;
  const TimePage* time = nullptr;
  const Row* fixedRows = nullptr;  // after the repeated rows, if any
  std::size_t fixedCount = 0;
};

constexpr LocalText kTriggerRow{"トリガー %d", "Trigger %d"};
constexpr LocalText kDataRow{"データ %d", "Data %d"};

constexpr DataPage kStartDataPage{&settings::kStartData, 225, kTriggerRow};
constexpr DataPage kStopDataPage{&settings::kStopData, 235, kTriggerRow};
constexpr DataPage kTimestampStartPage{&settings::kTimestampStart, 290, kDataRow};
constexpr DataPage kTimestampStopPage{&settings::kTimestampStop, 295, kDataRow};

constexpr TimePage kStartTimePage{&settings::kStartTime, 230};
constexpr TimePage kStopTimePage{&settings::kStopTime, 240};

constexpr Row kIdleTimeRows[] = {
    {245,
     K::kLabel,
     {"有効                  ミリ秒", "On                    ms"},
     {230, 130, 300, 20}},
    {ids::kStopIdleCheck, K::kCheck, {"アイドル時間", "Idle time"}, {235, 152, 100, 24}},
    {ids::kStopIdleField, K::kNumberField, kOne, {350, 152, 70, 20}},
};

constexpr Row kDataSizeRows[] = {
    {250, K::kLabel, {"有効", "On"}, {230, 130, 300, 20}},
    {ids::kStopSizeCheck, K::kCheck, {"データサイズ", "Data size"}, {235, 152, 100, 24}},
    {ids::kStopSizeField, K::kNumberField, kOne, {350, 152, 40, 20}},
    {ids::kStopSizeUnit, K::kCombo, {}, {395, 152, 65, 150}, 0, kSizeUnits, 0},
};

constexpr Row kLogTimeRows[] = {
    {255,
     K::kLabel,
     {"有効                    日　時間　分　秒", "On                    days   h   min   s"},
     {230, 130, 300, 20}},
    {ids::kStopLogTimeCheck, K::kCheck, {"ロギング時間", "Logging time"}, {235, 152, 100, 24}},
    {ids::kLogDays, K::kNumberField, kOne, {350, 152, 40, 20}},
    {ids::kLogHours, K::kNumberField, kZero, {395, 152, 25, 20}},
    {ids::kLogMinutes, K::kNumberField, kZero, {425, 152, 25, 20}},
    {ids::kLogSeconds, K::kNumberField, kZero, {455, 152, 25, 20}},
};

constexpr Row kLoggingRows[] = {
    {260, K::kLabel, {"(英数3文字)", "(3 letters or digits)"}, {370, 130, 200, 20}},
    {261, K::kLabel, {"ログファイル拡張子", "Log file extension"}, {252, 155, 300, 20}},
    {ids::kExtensionField,
     K::kTextField,
     {"LOG", "LOG"},
     {370, 150, 40, 20},
     3,
     kNoItems,
     0,
     F::kExtension},
};

constexpr Row kTimestampRows[] = {
    {281, K::kLabel, {"タイムスタンプ記録", "Time stamp"}, {230, 135, 300, 20}},
    {ids::kTimestampModeCombo, K::kCombo, {}, {430, 130, 65, 150}, 0, kOnOff, 0},
    {282, K::kLabel, {"タイムスタンプ表示タイプ", "Time stamp format"}, {230, 165, 300, 20}},
    {ids::kTimestampTypeCombo, K::kCombo, {}, {430, 160, 100, 150}, 0, kTimestampTypes, 0},
    {283, K::kLabel, {"シリアル番号表示", "Serial number"}, {230, 195, 300, 20}},
    {ids::kTimestampSerialCombo, K::kCombo, {}, {430, 190, 65, 150}, 0, kOnOff, 1},
    {284, K::kLabel, {"区切り文字", "Separator"}, {230, 225, 300, 20}},
    {ids::kSeparatorField, K::kTextField, {",", ","}, {430, 220, 40, 20}, 4},
    {285, K::kLabel, {"除外データ(Hex)", "Excluded data (hex)"}, {230, 285, 300, 20}},
    {ids::ExcludedByte(0), K::kHexField, {}, {235, 305, 32, 24}, 2, kNoItems, 0, F::kFirstByte},
    {ids::ExcludedByte(1), K::kHexField, {}, {275, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(2), K::kHexField, {}, {315, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(3), K::kHexField, {}, {355, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(4), K::kHexField, {}, {395, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(5), K::kHexField, {}, {435, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(6), K::kHexField, {}, {475, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(7), K::kHexField, {}, {515, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(8), K::kHexField, {}, {555, 305, 32, 24}, 2, kNoItems, 0, F::kMiddleByte},
    {ids::ExcludedByte(9), K::kHexField, {}, {595, 305, 32, 24}, 2, kNoItems, 0, F::kLastByte},
};

// The lower block of the time-stamp end-condition page, below its data rows.
constexpr Row kTimestampStopRows[] = {
    {ids::kTimestampIdleCheck,
     K::kCheck,
     {"アイドル時間(ミリ秒)", "Idle time (ms)"},
     {235, 252, 150, 24}},
    {ids::kTimestampIdleField, K::kNumberField, kOne, {390, 252, 70, 20}},
    {ids::kTimestampSizeCheck, K::kCheck, {"データサイズ", "Data size"}, {235, 292, 100, 24}},
    {ids::kTimestampSizeField, K::kNumberField, kOne, {350, 292, 40, 20}},
    {ids::kTimestampSizeUnit, K::kCombo, {}, {395, 292, 65, 150}, 0, kSizeUnits, 0},
};

template <std::size_t N>
constexpr std::size_t CountOf(const Row (&)[N]) {
  return N;
}

const PageDescription kPages[] = {
    {1, 1003, {"開始トリガー", "Start trigger"}},
    {2, 1004, {"開始トリガー設定 (データ)", "Start trigger (data)"}, &kStartDataPage},
    {3, 1005, {"開始トリガー設定 (時刻)", "Start trigger (time)"}, nullptr, &kStartTimePage},
    {4, 1003, {"停止トリガー", "Stop trigger"}},
    {5, 1006, {"停止トリガー設定 (データ)", "Stop trigger (data)"}, &kStopDataPage},
    {6, 1007, {"停止トリガー設定 (時刻)", "Stop trigger (time)"}, nullptr, &kStopTimePage},
    {7,
     1008,
     {"停止トリガー設定 (アイドル時間)", "Stop trigger (idle time)"},
     nullptr,
     nullptr,
     kIdleTimeRows,
     CountOf(kIdleTimeRows)},
    {8,
     1009,
     {"停止トリガー設定 (データサイズ)", "Stop trigger (data size)"},
     nullptr,
     nullptr,
     kDataSizeRows,
     CountOf(kDataSizeRows)},
    {9,
     1010,
     {"停止トリガー設定 (ロギング時間)", "Stop trigger (logging time)"},
     nullptr,
     nullptr,
     kLogTimeRows,
     CountOf(kLogTimeRows)},
    {10, 1011, {"ロギング設定", "Logging"}, nullptr, nullptr, kLoggingRows, CountOf(kLoggingRows)},
    {11,
     1012,
     {"タイムスタンプ記録設定", "Time stamp"},
     nullptr,
     nullptr,
     kTimestampRows,
     CountOf(kTimestampRows)},
    {12, 1013, {"タイムスタンプ記録 開始条件", "Time stamp start condition"}, &kTimestampStartPage},
    {13,
     1014,
     {"タイムスタンプ記録 終了条件", "Time stamp stop condition"},
     &kTimestampStopPage,
     nullptr,
     kTimestampStopRows,
     CountOf(kTimestampStopRows)},
};

// Input filter of byte k of a four-byte data row.
constexpr InputFilter RowByteFilter(int k) {
  return k == 0 ? F::kFirstByte : (k == 3 ? F::kLastByte : F::kMiddleByte);
}

ControlSpec SpecOf(const Row& row, int page, int slot, Language language) {
  ControlSpec def;
  def.id = row.id;
  def.kind = row.kind;
  def.text = In(row.text, language);
  def.geometry = row.geometry;
  // A numeric field takes as many digits as its largest value has.
  def.limit = row.limit != 0 ? row.limit : settings::FieldDigits(row.id);
  def.items = ItemsOf(row.itemList, language);
  def.initialIndex = row.initialIndex;
  def.filter = row.filter;
  def.page = page;
  def.slot = slot;
  def.initiallyEnabled = row.enabled;
  return def;
}

std::vector<ControlSpec> SpecsOf(const Row* rows, std::size_t count, Language language) {
  std::vector<ControlSpec> defs;
  for (std::size_t i = 0; i < count; ++i)
    defs.push_back(SpecOf(rows[i], 0, 0, language));
  return defs;
}

std::string FormatRowLabel(const LocalText& format, int row, Language language) {
  char buffer[100];
  std::snprintf(buffer, sizeof buffer, In(format, language).c_str(), row);
  return buffer;
}

// Appends the rows of one page, numbering the slots from the frame on.
void AppendPage(const PageDescription& page, Language language, std::vector<ControlSpec>& out) {
  int slot = 0;
  auto add = [&](const Row& row, std::string text = {}) {
    ControlSpec def = SpecOf(row, page.page, slot++, language);
    if (!text.empty())
      def.text = std::move(text);
    out.push_back(std::move(def));
  };

  add({page.frameId, K::kFrame, page.frameText, kPageFrame});

  if (const DataPage* data = page.data) {
    const settings::DataRowsSetting& setting = *data->setting;
    add({data->headerId, K::kLabel, kDataHeader, {230, 130, 300, 20}});
    for (int r = 0; r < setting.rows; ++r) {
      add({setting.check(r), K::kCheck, {}, {235, 152 + 30 * r, 80, 24}},
          FormatRowLabel(data->checkFormat, r, language));
      for (int k = 0; k < ids::kBytesPerDataRow; ++k) {
        add({setting.byteField(r, k),
             K::kHexField,
             {},
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
      add({setting.check(r), K::kCheck, {}, {235, y, 80, 24}},
          FormatRowLabel(kTriggerRow, r, language));
      // The English day names need a wider combo, which starts further left.
      const Geometry day =
          language == Language::kEnglish ? Geometry{318, y, 88, 150} : Geometry{335, y, 60, 150};
      add({setting.weekday(r), K::kCombo, {}, day, 0, kWeekdays, 0});
      add({setting.hour(r), K::kTimeField, kZero, {410, y, 25, 20}});
      add({setting.minute(r), K::kTimeField, kZero, {440, y, 25, 20}});
    }
  }
  for (std::size_t i = 0; i < page.fixedCount; ++i)
    add(page.fixedRows[i]);
}

std::vector<ControlSpec> BuildPageControls(Language language) {
  std::vector<ControlSpec> defs;
  for (const PageDescription& page : kPages)
    AppendPage(page, language, defs);
  return defs;
}

struct TreeRow {
  int page;
  LocalText text;
  int parentPage;
};

constexpr TreeRow kTreeRows[] = {
    {1, {"開始トリガー設定", "Start trigger"}, 0},
    {2, {"データ", "Data"}, 1},
    {3, {"時刻", "Time"}, 1},
    {4, {"停止トリガー設定", "Stop trigger"}, 0},
    {5, {"データ", "Data"}, 4},
    {6, {"時刻", "Time"}, 4},
    {7, {"アイドル時間", "Idle time"}, 4},
    {8, {"データサイズ", "Data size"}, 4},
    {9, {"ロギング時間", "Logging time"}, 4},
    {10, {"ロギング設定", "Logging"}, 0},
    {11, {"タイムスタンプ記録設定", "Time stamp"}, 0},
    {12, {"開始条件", "Start condition"}, 11},
    {13, {"終了条件", "Stop condition"}, 11},
};

std::vector<TreeItemSpec> BuildTreeItems(Language language) {
  std::vector<TreeItemSpec> items;
  for (const TreeRow& row : kTreeRows)
    items.push_back({row.page, In(row.text, language), row.parentPage});
  return items;
}

}  // namespace

// The tables are built in the language of the run on first use, which comes
// after the language is chosen at start-up.
const std::vector<ControlSpec>& LinkPanelControls() {
  static const std::vector<ControlSpec> defs =
      SpecsOf(kLinkPanelRows, CountOf(kLinkPanelRows), CurrentLanguage());
  return defs;
}

const std::vector<ControlSpec>& SettingsAreaControls() {
  static const std::vector<ControlSpec> defs =
      SpecsOf(kSettingsAreaRows, CountOf(kSettingsAreaRows), CurrentLanguage());
  return defs;
}

const std::vector<ControlSpec>& PageControlSpecs() {
  static const std::vector<ControlSpec> defs = BuildPageControls(CurrentLanguage());
  return defs;
}

const std::vector<TreeItemSpec>& TreeItems() {
  static const std::vector<TreeItemSpec> items = BuildTreeItems(CurrentLanguage());
  return items;
}

std::vector<ControlSpec> AllControlSpecsIn(Language language) {
  std::vector<ControlSpec> defs = SpecsOf(kLinkPanelRows, CountOf(kLinkPanelRows), language);
  const std::vector<ControlSpec> area =
      SpecsOf(kSettingsAreaRows, CountOf(kSettingsAreaRows), language);
  const std::vector<ControlSpec> pages = BuildPageControls(language);
  defs.insert(defs.end(), area.begin(), area.end());
  defs.insert(defs.end(), pages.begin(), pages.end());
  return defs;
}

std::vector<TreeItemSpec> TreeItemsIn(Language language) {
  return BuildTreeItems(language);
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
