// The request lines of the send operations, as the simulator received them.

#include <gtest/gtest.h>

#include "device/control_ids.h"
#include "op_case.h"

namespace km62rx::testing {
namespace {

using namespace device;
using namespace km62rx::ids;

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

// The four hex fields of a data row.
PageValues Bytes(ids::RowIds field, int row, std::vector<std::string> bytes) {
  PageValues values;
  for (std::size_t k = 0; k < bytes.size(); ++k)
    values.push_back(Text(field(row, static_cast<int>(k)), bytes[k]));
  return values;
}

PageValues Join(PageValues a, const PageValues& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A time row of the start (or stop) triggers: checked, weekday index, hour, minute.
PageValues TimeRow(bool start, int r, int day, std::string h, std::string m) {
  return {Check(start ? StartTimeCheck(r) : StopTimeCheck(r)),
          Combo(start ? StartTimeWeekday(r) : StopTimeWeekday(r), day),
          Text(start ? StartTimeHour(r) : StopTimeHour(r), std::move(h)),
          Text(start ? StartTimeMinute(r) : StopTimeMinute(r), std::move(m))};
}

PageValues Size(int unit, std::string value) {
  return {Check(kStopSizeCheck), Text(kStopSizeField, std::move(value)),
          Combo(kStopSizeUnit, unit)};
}

std::vector<OpCase> SendCases() {
  PageValues tenExcluded;
  for (int k = 0; k < 10; ++k)
    tenExcluded.push_back(Text(ExcludedByte(k), "a" + std::to_string(k)));
  return {
      Send("data cut at a one-character field, lower case raised", SendStartDataTriggers,
           Join({Check(StartDataCheck(0))}, Bytes(StartDataByte, 0, {"ab", "c", "12"})),
           {"BDS0AB", "BDS1-", "BDS2-"}),
      Send("data cut at an empty field", SendStartDataTriggers,
           Join({Check(StartDataCheck(1))}, Bytes(StartDataByte, 1, {"0d", "0a", "", "7F"})),
           {"BDS0-", "BDS10D0A", "BDS2-"}),
      Send("start data enabled without bytes", SendStartDataTriggers, {Check(StartDataCheck(0))},
           {"BDS0", "BDS1-", "BDS2-"}),
      // A row that goes out disabled has its check box cleared.
      Send("stop data enabled without bytes goes out disabled", SendStopDataTriggers,
           Join(Join({Check(StopDataCheck(0)), Check(StopDataCheck(2))},
                     Bytes(StopDataByte, 0, {"", "41"})),
                Bytes(StopDataByte, 2, {"41", "42", "43", "44"})),
           {"EDS0-", "EDS1-", "EDS241424344"}, {kStopDataEmpty},
           {Check(StopDataCheck(0), false), Check(StopDataCheck(2))}),
      Send("time-stamp start condition enabled without bytes", SendTimestampStartConditions,
           {Check(TimestampStartCheck(2))}, {"PBS0-", "PBS1-", "PBS2"}, {},
           {Check(TimestampStartCheck(2))}),
      Send("time-stamp end condition enabled without bytes goes out disabled",
           SendTimestampStopConditions,
           {Check(TimestampStopCheck(1)), Check(TimestampStopCheck(2)),
            Text(TimestampStopByte(2, 0), "ff")},
           {"PES0-", "PES1-", "PES2FF"}, {kTimestampStopEmpty},
           {Check(TimestampStopCheck(1), false), Check(TimestampStopCheck(2))}),
      // Index 0 is every day (code 7), index 7 Sunday (code 0).
      Send("weekday codes and two-digit times", SendStartTimeTriggers,
           Join(Join(TimeRow(true, 0, 0, "23", "59"), TimeRow(true, 3, 7, "7", "5")),
                TimeRow(true, 6, 6, "", "08")),
           {"BTS072359", "BTS1-", "BTS2-", "BTS300705", "BTS4-", "BTS5-", "BTS660008"}),
      Send("stop time triggers", SendStopTimeTriggers, TimeRow(false, 1, 1, "12", "0"),
           {"ETS0-", "ETS111200", "ETS2-", "ETS3-", "ETS4-", "ETS5-", "ETS6-"}),
      Send("data size above 2000 MByte is clamped", SendStopDataSize, Size(kUnitMByte, "2001"),
           {"ESS2097152000"}, {kStopSizeLimit}, {Text(kStopSizeField, "2000")}),
      Send("data size of 2000 MByte", SendStopDataSize, Size(kUnitMByte, "2000"),
           {"ESS2097152000"}),
      Send("data size in KByte", SendStopDataSize, Size(kUnitKByte, "9999"), {"ESS10238976"}),
      Send("data size in Byte", SendStopDataSize, Size(kUnitByte, "5"), {"ESS5"}),
      Send("data size off", SendStopDataSize, {}, {"ESS-"}),
      Send("time-stamp data size clamp has its own text", SendTimestampStopDataSize,
           {Check(kTimestampSizeCheck), Text(kTimestampSizeField, "9999")}, {"PSS2097152000"},
           {kTimestampSizeLimit}, {Text(kTimestampSizeField, "2000")}),
      Send("logging time below one second is raised to one", SendStopLogTime,
           {Check(kStopLogTimeCheck), Text(kLogDays, "0")}, {"ELS1"}, {kLogTimeMinimum},
           {Text(kLogDays, "0"), Text(kLogHours, "0"), Text(kLogMinutes, "0"),
            Text(kLogSeconds, "1")}),
      Send("logging time in seconds", SendStopLogTime,
           {Check(kStopLogTimeCheck), Text(kLogDays, "1"), Text(kLogHours, "2"),
            Text(kLogMinutes, "3"), Text(kLogSeconds, "4")},
           {"ELS93784"}),
      Send("logging time off", SendStopLogTime, {}, {"ELS-"}),
      Send("logging time kept within 9999 days", SendStopLogTime,
           {Check(kStopLogTimeCheck), Text(kLogDays, "9999"), Text(kLogHours, "23"),
            Text(kLogMinutes, "0"), Text(kLogSeconds, "59")},
           {"ELS863913600"}, {},
           {Text(kLogDays, "9999"), Text(kLogHours, "0"), Text(kLogSeconds, "0")}),
      Send("idle time", SendStopIdleTime,
           {Check(kStopIdleCheck), Text(kStopIdleField, "999999999")}, {"EIS999999999"}),
      Send("time-stamp idle time off", SendTimestampStopIdleTime, {}, {"PIS-"}),
      Send("excluded data cut at the first empty field", SendTimestampExcludedData,
           {Text(ExcludedByte(0), "0d"), Text(ExcludedByte(1), "0A"), Text(ExcludedByte(3), "FF")},
           {"PDS0D0A"}),
      Send("no excluded data", SendTimestampExcludedData, {}, {"PDS"}),
      Send("ten excluded bytes", SendTimestampExcludedData, tenExcluded,
           {"PDSA0A1A2A3A4A5A6A7A8A9"}),
      Send("separator escape goes out as typed", SendTimestampSeparator,
           {Text(kSeparatorField, "\\t")}, {"PPS\\t"}),
      Send("extension", SendLogFileExtension, {Text(kExtensionField, "TXT")}, {"LESTXT"}),
      Send("display type code", SendTimestampType, {Combo(kTimestampTypeCombo, 1)}, {"PTSHMS"}),
      Send("time-stamp function code", SendTimestampMode, {Combo(kTimestampModeCombo, 1)},
           {"PMSON"}),
      Send("serial number code", SendTimestampSerialNo, {}, {"PNSON"}),
  };
}

TEST(SendCommands, RequestLinesFollowThePages) {
  SimConnection connection;
  ASSERT_TRUE(connection.connected);
  for (const OpCase& c : SendCases()) {
    ui::MemoryPageControls pages;
    RunOpCase(connection, c, pages);
  }
}

}  // namespace
}  // namespace km62rx::testing
