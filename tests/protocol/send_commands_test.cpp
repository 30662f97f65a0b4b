// The request lines of the send operations, as the simulator received them.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "device/control_ids.h"
#include "device/settings_commands.h"
#include "sim_connection.h"
#include "ui/memory_page_controls.h"

namespace km62rx::testing {
namespace {

using device::CommandContext;
using device::PageControls;
namespace ids = km62rx::ids;

struct SendCase {
  std::string name;
  int (*operation)(CommandContext&);
  std::function<void(PageControls&)> setup;
  std::vector<std::string> lines;  // every line sent, without CR
  std::vector<RecordingNotifier::Box> boxes{};
  std::vector<std::pair<int, std::string>> fieldsAfter{};  // page fields after sending
};

const RecordingNotifier::Box kStopDataEmpty{
    "設定エラー",
    "停止トリガー(データ)を有効にするには\r\n1バイト以上の設定データが必要です。\r\n"
    "トリガー無効に設定しました。"};
const RecordingNotifier::Box kTimestampStopEmpty{
    "設定エラー",
    "タイムスタンプ記録 終了条件を有効にするには\r\n1バイト以上の設定データが必要です。\r\n"
    "条件無効に設定しました。"};
const RecordingNotifier::Box kStopSizeLimit{
    "警告",
    "停止トリガ(データサイズ)の設定上限値を超過しています。\r\n 2000 MByte に変更されました。"};
const RecordingNotifier::Box kTimestampSizeLimit{
    "警告",
    "タイムスタンプ記録 終了条件(データサイズ)の設定上限値を超過しています。\r\n"
    " 2000 MByte に変更されました。"};
const RecordingNotifier::Box kLogTimeMinimum{
    "警告", "停止トリガ(ロギング時間)の設定下限値を超過しています。\r\n 1秒 に変更されました。"};

void SetBytes(PageControls& pages, int (*field)(int, int), int row,
              std::vector<std::string> bytes) {
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    pages.SetText(field(row, static_cast<int>(k)), bytes[k]);
  }
}

std::vector<SendCase> SendCases() {
  return {
      {"data cut at a one-character field, lower case raised",
       device::SendStartDataTriggers,
       [](PageControls& p) {
         p.SetChecked(ids::StartDataCheck(0), true);
         SetBytes(p, ids::StartDataByte, 0, {"ab", "c", "12", ""});
       },
       {"BDS0AB", "BDS1-", "BDS2-"}},
      {"data cut at an empty field",
       device::SendStartDataTriggers,
       [](PageControls& p) {
         p.SetChecked(ids::StartDataCheck(1), true);
         SetBytes(p, ids::StartDataByte, 1, {"0d", "0a", "", "7F"});
       },
       {"BDS0-", "BDS10D0A", "BDS2-"}},
      {"start data enabled without bytes",
       device::SendStartDataTriggers,
       [](PageControls& p) { p.SetChecked(ids::StartDataCheck(0), true); },
       {"BDS0", "BDS1-", "BDS2-"}},
      {"stop data enabled without bytes goes out disabled",
       device::SendStopDataTriggers,
       [](PageControls& p) {
         p.SetChecked(ids::StopDataCheck(0), true);
         SetBytes(p, ids::StopDataByte, 0, {"", "41"});
         p.SetChecked(ids::StopDataCheck(2), true);
         SetBytes(p, ids::StopDataByte, 2, {"41", "42", "43", "44"});
       },
       {"EDS0-", "EDS1-", "EDS241424344"},
       {kStopDataEmpty}},
      {"time-stamp start condition enabled without bytes",
       device::SendTimestampStartConditions,
       [](PageControls& p) { p.SetChecked(ids::TimestampStartCheck(2), true); },
       {"PBS0-", "PBS1-", "PBS2"}},
      {"time-stamp end condition enabled without bytes goes out disabled",
       device::SendTimestampStopConditions,
       [](PageControls& p) {
         p.SetChecked(ids::TimestampStopCheck(1), true);
         p.SetChecked(ids::TimestampStopCheck(2), true);
         SetBytes(p, ids::TimestampStopByte, 2, {"ff"});
       },
       {"PES0-", "PES1-", "PES2FF"},
       {kTimestampStopEmpty}},
      {"weekday codes and two-digit times",
       device::SendStartTimeTriggers,
       [](PageControls& p) {
         p.SetChecked(ids::StartTimeCheck(0), true);
         p.SetComboIndex(ids::StartTimeWeekday(0), 0);  // every day
         p.SetText(ids::StartTimeHour(0), "23");
         p.SetText(ids::StartTimeMinute(0), "59");
         p.SetChecked(ids::StartTimeCheck(3), true);
         p.SetComboIndex(ids::StartTimeWeekday(3), 7);  // Sunday
         p.SetText(ids::StartTimeHour(3), "7");
         p.SetText(ids::StartTimeMinute(3), "5");
         p.SetChecked(ids::StartTimeCheck(6), true);
         p.SetComboIndex(ids::StartTimeWeekday(6), 6);  // Saturday
         p.SetText(ids::StartTimeHour(6), "");
         p.SetText(ids::StartTimeMinute(6), "08");
       },
       {"BTS072359", "BTS1-", "BTS2-", "BTS300705", "BTS4-", "BTS5-", "BTS660008"}},
      {"stop time triggers",
       device::SendStopTimeTriggers,
       [](PageControls& p) {
         p.SetChecked(ids::StopTimeCheck(1), true);
         p.SetComboIndex(ids::StopTimeWeekday(1), 1);  // Monday
         p.SetText(ids::StopTimeHour(1), "12");
         p.SetText(ids::StopTimeMinute(1), "0");
       },
       {"ETS0-", "ETS111200", "ETS2-", "ETS3-", "ETS4-", "ETS5-", "ETS6-"}},
      {"data size above 2000 MByte is clamped",
       device::SendStopDataSize,
       [](PageControls& p) {
         p.SetChecked(ids::kStopSizeCheck, true);
         p.SetText(ids::kStopSizeField, "2001");
         p.SetComboIndex(ids::kStopSizeUnit, ids::kUnitMByte);
       },
       {"ESS2097152000"},
       {kStopSizeLimit},
       {{ids::kStopSizeField, "2000"}}},
      {"data size of 2000 MByte is not clamped",
       device::SendStopDataSize,
       [](PageControls& p) {
         p.SetChecked(ids::kStopSizeCheck, true);
         p.SetText(ids::kStopSizeField, "2000");
       },
       {"ESS2097152000"}},
      {"data size in KByte",
       device::SendStopDataSize,
       [](PageControls& p) {
         p.SetChecked(ids::kStopSizeCheck, true);
         p.SetText(ids::kStopSizeField, "9999");
         p.SetComboIndex(ids::kStopSizeUnit, ids::kUnitKByte);
       },
       {"ESS10238976"}},
      {"data size in Byte",
       device::SendStopDataSize,
       [](PageControls& p) {
         p.SetChecked(ids::kStopSizeCheck, true);
         p.SetText(ids::kStopSizeField, "5");
         p.SetComboIndex(ids::kStopSizeUnit, ids::kUnitByte);
       },
       {"ESS5"}},
      {"data size off", device::SendStopDataSize, [](PageControls&) {}, {"ESS-"}},
      {"time-stamp data size clamp has its own text",
       device::SendTimestampStopDataSize,
       [](PageControls& p) {
         p.SetChecked(ids::kTimestampSizeCheck, true);
         p.SetText(ids::kTimestampSizeField, "9999");
       },
       {"PSS2097152000"},
       {kTimestampSizeLimit},
       {{ids::kTimestampSizeField, "2000"}}},
      {"logging time below one second is raised to one",
       device::SendStopLogTime,
       [](PageControls& p) {
         p.SetChecked(ids::kStopLogTimeCheck, true);
         p.SetText(ids::kLogDays, "0");
       },
       {"ELS1"},
       {kLogTimeMinimum},
       {{ids::kLogDays, "0"},
        {ids::kLogHours, "0"},
        {ids::kLogMinutes, "0"},
        {ids::kLogSeconds, "1"}}},
      {"logging time in seconds",
       device::SendStopLogTime,
       [](PageControls& p) {
         p.SetChecked(ids::kStopLogTimeCheck, true);
         p.SetText(ids::kLogDays, "1");
         p.SetText(ids::kLogHours, "2");
         p.SetText(ids::kLogMinutes, "3");
         p.SetText(ids::kLogSeconds, "4");
       },
       {"ELS93784"}},
      {"logging time off", device::SendStopLogTime, [](PageControls&) {}, {"ELS-"}},
      {"idle time",
       device::SendStopIdleTime,
       [](PageControls& p) {
         p.SetChecked(ids::kStopIdleCheck, true);
         p.SetText(ids::kStopIdleField, "999999999");
       },
       {"EIS999999999"}},
      {"time-stamp idle time off",
       device::SendTimestampStopIdleTime,
       [](PageControls&) {},
       {"PIS-"}},
      {"excluded data cut at the first empty field",
       device::SendTimestampExcludedData,
       [](PageControls& p) {
         p.SetText(ids::ExcludedByte(0), "0d");
         p.SetText(ids::ExcludedByte(1), "0A");
         p.SetText(ids::ExcludedByte(3), "FF");
       },
       {"PDS0D0A"}},
      {"no excluded data", device::SendTimestampExcludedData, [](PageControls&) {}, {"PDS"}},
      {"ten excluded bytes",
       device::SendTimestampExcludedData,
       [](PageControls& p) {
         for (int k = 0; k < 10; ++k)
           p.SetText(ids::ExcludedByte(k), "a" + std::to_string(k));
       },
       {"PDSA0A1A2A3A4A5A6A7A8A9"}},
      {"separator escape goes out as typed",
       device::SendTimestampSeparator,
       [](PageControls& p) { p.SetText(ids::kSeparatorField, "\\t"); },
       {"PPS\\t"}},
      {"separator", device::SendTimestampSeparator, [](PageControls&) {}, {"PPS,"}},
      {"extension",
       device::SendLogFileExtension,
       [](PageControls& p) { p.SetText(ids::kExtensionField, "TXT"); },
       {"LESTXT"}},
      {"display type code",
       device::SendTimestampType,
       [](PageControls& p) { p.SetComboIndex(ids::kTimestampTypeCombo, 1); },
       {"PTSHMS"}},
      {"time-stamp function code",
       device::SendTimestampMode,
       [](PageControls& p) { p.SetComboIndex(ids::kTimestampModeCombo, 1); },
       {"PMSON"}},
      {"serial number code", device::SendTimestampSerialNo, [](PageControls&) {}, {"PNSON"}},
  };
}

TEST(SendCommands, RequestLinesFollowThePages) {
  SimConnection connection;
  ASSERT_TRUE(connection.connected);
  for (const SendCase& c : SendCases()) {
    SCOPED_TRACE(c.name);
    ui::MemoryPageControls pages;
    c.setup(pages);
    RecordingNotifier boxes;
    CommandContext ctx{connection.link, pages, boxes};
    connection.Mark();
    EXPECT_EQ(c.operation(ctx), 1);
    EXPECT_EQ(connection.SentSinceMark(), c.lines);
    EXPECT_EQ(boxes.boxes, c.boxes);
    for (const auto& [id, text] : c.fieldsAfter)
      EXPECT_EQ(pages.Text(id), text) << id;
  }
}

TEST(SendCommands, RefusedStopDataKeepsItsCheckBox) {
  SimConnection connection;
  ASSERT_TRUE(connection.connected);
  connection.pages.SetChecked(ids::StopDataCheck(1), true);
  EXPECT_EQ(device::SendStopDataTriggers(connection.ctx), 1);
  EXPECT_TRUE(connection.pages.Checked(ids::StopDataCheck(1)));
  EXPECT_EQ(connection.Sent(), (std::vector<std::string>{"EDS0-", "EDS1-", "EDS2-"}));
}

}  // namespace
}  // namespace km62rx::testing
