// The request lines of the send operations, as the simulator received them.

#include <gtest/gtest.h>

#include "device/control_ids.h"
#include "op_case.h"

namespace km62rx::testing {
namespace {

namespace ids = km62rx::ids;
using namespace device;

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

PageValues TimeRow(int check, int weekday, int hour, int minute, int day, std::string h,
                   std::string m) {
  return {Check(check), Combo(weekday, day), Text(hour, std::move(h)), Text(minute, std::move(m))};
}

PageValues Size(int unit, std::string value) {
  return {Check(ids::kStopSizeCheck), Text(ids::kStopSizeField, std::move(value)),
          Combo(ids::kStopSizeUnit, unit)};
}

std::vector<OpCase> SendCases() {
  PageValues tenExcluded;
  for (int k = 0; k < 10; ++k)
    tenExcluded.push_back(Text(ids::ExcludedByte(k), "a" + std::to_string(k)));
  return {
      Send("data cut at a one-character field, lower case raised", SendStartDataTriggers,
           Join({Check(800)}, Bytes(ids::StartDataByte, 0, {"ab", "c", "12"})),
           {"BDS0AB", "BDS1-", "BDS2-"}),
      Send("data cut at an empty field", SendStartDataTriggers,
           Join({Check(801)}, Bytes(ids::StartDataByte, 1, {"0d", "0a", "", "7F"})),
           {"BDS0-", "BDS10D0A", "BDS2-"}),
      Send("start data enabled without bytes", SendStartDataTriggers, {Check(800)},
           {"BDS0", "BDS1-", "BDS2-"}),
      // A row that goes out disabled has its check box cleared.
      Send("stop data enabled without bytes goes out disabled", SendStopDataTriggers,
           Join(Join({Check(820), Check(822)}, Bytes(ids::StopDataByte, 0, {"", "41"})),
                Bytes(ids::StopDataByte, 2, {"41", "42", "43", "44"})),
           {"EDS0-", "EDS1-", "EDS241424344"}, {kStopDataEmpty}, {Check(820, false), Check(822)}),
      Send("time-stamp start condition enabled without bytes", SendTimestampStartConditions,
           {Check(862)}, {"PBS0-", "PBS1-", "PBS2"}, {}, {Check(862)}),
      Send("time-stamp end condition enabled without bytes goes out disabled",
           SendTimestampStopConditions, {Check(871), Check(872), Text(688, "ff")},
           {"PES0-", "PES1-", "PES2FF"}, {kTimestampStopEmpty}, {Check(871, false), Check(872)}),
      // Index 0 is every day (code 7), index 7 Sunday (code 0).
      Send("weekday codes and two-digit times", SendStartTimeTriggers,
           Join(Join(TimeRow(810, 310, 550, 560, 0, "23", "59"),
                     TimeRow(813, 313, 553, 563, 7, "7", "5")),
                TimeRow(816, 316, 556, 566, 6, "", "08")),
           {"BTS072359", "BTS1-", "BTS2-", "BTS300705", "BTS4-", "BTS5-", "BTS660008"}),
      Send("stop time triggers", SendStopTimeTriggers, TimeRow(831, 321, 601, 611, 1, "12", "0"),
           {"ETS0-", "ETS111200", "ETS2-", "ETS3-", "ETS4-", "ETS5-", "ETS6-"}),
      Send("data size above 2000 MByte is clamped", SendStopDataSize, Size(ids::kUnitMByte, "2001"),
           {"ESS2097152000"}, {kStopSizeLimit}, {Text(630, "2000")}),
      Send("data size of 2000 MByte", SendStopDataSize, Size(ids::kUnitMByte, "2000"),
           {"ESS2097152000"}),
      Send("data size in KByte", SendStopDataSize, Size(ids::kUnitKByte, "9999"), {"ESS10238976"}),
      Send("data size in Byte", SendStopDataSize, Size(ids::kUnitByte, "5"), {"ESS5"}),
      Send("data size off", SendStopDataSize, {}, {"ESS-"}),
      Send("time-stamp data size clamp has its own text", SendTimestampStopDataSize,
           {Check(885), Text(696, "9999")}, {"PSS2097152000"}, {kTimestampSizeLimit},
           {Text(696, "2000")}),
      Send("logging time below one second is raised to one", SendStopLogTime,
           {Check(850), Text(640, "0")}, {"ELS1"}, {kLogTimeMinimum},
           {Text(640, "0"), Text(641, "0"), Text(642, "0"), Text(643, "1")}),
      Send("logging time in seconds", SendStopLogTime,
           {Check(850), Text(640, "1"), Text(641, "2"), Text(642, "3"), Text(643, "4")},
           {"ELS93784"}),
      Send("logging time off", SendStopLogTime, {}, {"ELS-"}),
      Send("logging time kept within 9999 days", SendStopLogTime,
           {Check(850), Text(640, "9999"), Text(641, "23"), Text(642, "0"), Text(643, "59")},
           {"ELS863913600"}, {}, {Text(640, "9999"), Text(641, "0"), Text(643, "0")}),
      Send("idle time", SendStopIdleTime, {Check(840), Text(620, "999999999")}, {"EIS999999999"}),
      Send("time-stamp idle time off", SendTimestampStopIdleTime, {}, {"PIS-"}),
      Send("excluded data cut at the first empty field", SendTimestampExcludedData,
           {Text(650, "0d"), Text(651, "0A"), Text(653, "FF")}, {"PDS0D0A"}),
      Send("no excluded data", SendTimestampExcludedData, {}, {"PDS"}),
      Send("ten excluded bytes", SendTimestampExcludedData, tenExcluded,
           {"PDSA0A1A2A3A4A5A6A7A8A9"}),
      Send("separator escape goes out as typed", SendTimestampSeparator, {Text(646, "\\t")},
           {"PPS\\t"}),
      Send("extension", SendLogFileExtension, {Text(645, "TXT")}, {"LESTXT"}),
      Send("display type code", SendTimestampType, {Combo(336, 1)}, {"PTSHMS"}),
      Send("time-stamp function code", SendTimestampMode, {Combo(335, 1)}, {"PMSON"}),
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
