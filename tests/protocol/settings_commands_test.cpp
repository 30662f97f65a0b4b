// The settings commands against the simulator: the lines each sends for the pages, what it shows
// for each kind of reply, the replies it refuses (telling the user, leaving the pages alone), and
// the send-all and receive-all runs.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "device/connect_sequence.h"
#include "device/connection.h"
#include "device/control_ids.h"
#include "device/device_link.h"
#include "device/open_port.h"
#include "device/posix/serial_line.h"
#include "device/settings_commands.h"
#include "device/settings_runs.h"
#include "settings/notifier.h"
#include "support/pinned_text.h"
#include "support/sim_process.h"
#include "ui/memory_page_controls.h"

namespace km62rx::testing {
namespace {

using Boxes = std::vector<RecordingNotifier::Box>;
using Lines = std::vector<std::string>;

// The boxes shown against those pinned in Japanese (in the English run: as
// many, none holding Japanese).
void ExpectBoxes(const Boxes& shown, const Boxes& pinned) {
  ASSERT_EQ(shown.size(), pinned.size());
  for (std::size_t i = 0; i < shown.size(); ++i) {
    EXPECT_TEXT(shown[i].title, pinned[i].title);
    EXPECT_TEXT(shown[i].text, pinned[i].text);
  }
}

// A simulator answering the wake-up, with a link to it opened and identified as after the connect
// dialog. The settings commands run on in-memory pages and report to a recorder.
struct SimConnection {
  explicit SimConnection(std::vector<std::string> simOptions = {})
      : sim([&] {
          simOptions.insert(simOptions.begin(), "--answer-wake");
          return simOptions;
        }()) {
    connected = device::ConnectLogger(link, sim.path(), {}, connectBoxes, connectBoxes).connected;
    EXPECT_TRUE(connected) << "connect to " << sim.path();
    Mark();
  }
  // Lines the simulator received since the last Mark(), without their CR.
  Lines Sent() const { return sim.ReceivedLines(mark); }
  void Mark() { mark = sim.ReceivedLines().size(); }

  SimProcess sim;
  device::PosixSerialLine line;
  device::DeviceLink link{line};
  RecordingNotifier connectBoxes;
  ui::MemoryPageControls pages;
  RecordingNotifier boxes;
  device::CommandContext ctx{link, pages, boxes};
  bool connected = false;
  std::size_t mark = 0;
};

// The state of one page control: set before an operation or expected after.
struct PageValue {
  std::function<void(device::PageControls&)> set;
  std::function<void(const device::PageControls&)> expect;
};
PageValue Text(int id, std::string text) {
  return {[=](auto& p) { p.SetText(id, text); },
          [=](const auto& p) { EXPECT_EQ(p.Text(id), text) << "text of " << id; }};
}
PageValue Check(int id, bool checked = true) {
  return {[=](auto& p) { p.SetChecked(id, checked); },
          [=](const auto& p) { EXPECT_EQ(p.Checked(id), checked) << "check box " << id; }};
}
PageValue Combo(int id, int index) {
  return {[=](auto& p) { p.SetComboIndex(id, index); },
          [=](const auto& p) { EXPECT_EQ(p.ComboIndex(id), index) << "combo " << id; }};
}
using PageValues = std::vector<PageValue>;

using namespace device;
using namespace km62rx::ids;
using enum StepResult;
using Operation = StepResult (*)(CommandContext&);

// The pages an operation starts from, the simulator's fixed reply ("PREFIX=REPLY", CR added;
// empty for its ordinary answers), and what it must return, show, leave on the pages and send.
struct OpCase {
  std::string name;
  std::string reply;
  Operation operation;
  PageValues setup;
  StepResult result;
  Boxes boxes;
  PageValues expects;
  Lines lines;  // when not empty: every line sent
};

void PrintTo(const OpCase& c, std::ostream* os) {
  *os << c.name;
}

// A send operation against the simulator's ordinary answers.
OpCase Send(std::string name, Operation op, PageValues setup, Lines lines, Boxes boxes = {},
            PageValues expects = {}) {
  return {std::move(name), "", op, std::move(setup), kDone, std::move(boxes), std::move(expects),
          std::move(lines)};
}
// An operation that shows one fixed reply of the simulator.
OpCase Get(std::string name, std::string reply, Operation op, PageValues expects,
           PageValues setup = {}) {
  return {
      std::move(name), std::move(reply), op, std::move(setup), kDone, {}, std::move(expects), {}};
}
// An operation that refuses one fixed reply.
OpCase Bad(std::string name, std::string reply, Operation op, Boxes boxes,
           StepResult result = kRefused, PageValues setup = {}, Lines lines = {}) {
  return {std::move(name), std::move(reply), op, std::move(setup),
          result,          std::move(boxes), {}, std::move(lines)};
}

const RecordingNotifier::Box kSdCard{"エラー", "本体内SDカードへのアクセスに失敗しました。"};
const RecordingNotifier::Box kInvalid{"応答エラー", "KM-62RXからの応答が不正な値です。"};
const RecordingNotifier::Box kMismatch{"応答エラー",
                                       "コマンド応答が要求したコマンドの内容と一致しません。"};
const RecordingNotifier::Box kStopDataEmpty{
    "設定エラー",
    "停止トリガー(データ)を有効にするには\r\n1バイト以上の設定データが必要です。\r\n"
    "トリガー無効に設定しました。"};
const RecordingNotifier::Box kStopSizeLimit{
    "警告",
    "停止トリガ(データサイズ)の設定上限値を超過しています。\r\n 2000 MByte に変更されました。"};
const RecordingNotifier::Box kLogTimeMinimum{
    "警告", "停止トリガ(ロギング時間)の設定下限値を超過しています。\r\n 1秒 に変更されました。"};

// A data row: its check box and its hex fields.
PageValues Data(int check, RowIds field, int row, std::vector<std::string> bytes) {
  PageValues values{Check(check)};
  for (std::size_t k = 0; k < bytes.size(); ++k)
    values.push_back(Text(field(row, static_cast<int>(k)), bytes[k]));
  return values;
}
// A start (or, start false, stop) time row: checked or not, weekday index, hour, minute.
PageValues Time(bool start, int r, bool on, int day, std::string h, std::string m) {
  return {Check((start ? StartTimeCheck : StopTimeCheck)(r), on),
          Combo((start ? StartTimeWeekday : StopTimeWeekday)(r), day),
          Text((start ? StartTimeHour : StopTimeHour)(r), std::move(h)),
          Text((start ? StartTimeMinute : StopTimeMinute)(r), std::move(m))};
}
PageValues Size(bool on, std::string value, int unit) {
  return {Check(kStopSizeCheck, on), Text(kStopSizeField, std::move(value)),
          Combo(kStopSizeUnit, unit)};
}
PageValues LogTime(bool on, std::string d, std::string h, std::string m, std::string s) {
  return {Check(kStopLogTimeCheck, on), Text(kLogDays, std::move(d)), Text(kLogHours, std::move(h)),
          Text(kLogMinutes, std::move(m)), Text(kLogSeconds, std::move(s))};
}
PageValues Join(PageValues a, const PageValues& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<OpCase> SendCases() {
  // Weekday index 0 is every day (code 7), index 7 Sunday (code 0).
  const PageValues times =
      Join(Join(Time(true, 0, true, 0, "23", "59"), Time(true, 3, true, 7, "7", "5")),
           Time(true, 6, true, 6, "", "08"));
  return {
      Send("DataCutAtAOneCharacterFieldRaised", SendStartDataTriggers,
           Data(StartDataCheck(0), StartDataByte, 0, {"ab", "c", "12"}),
           {"BDS0AB", "BDS1-", "BDS2-"}),
      Send("StartDataWithoutBytes", SendStartDataTriggers, {Check(StartDataCheck(0))},
           {"BDS0", "BDS1-", "BDS2-"}),
      // A row that goes out disabled has its check box cleared.
      Send("StopDataWithoutBytesGoesOutDisabled", SendStopDataTriggers,
           Join(Data(StopDataCheck(0), StopDataByte, 0, {"", "41"}),
                Data(StopDataCheck(2), StopDataByte, 2, {"41", "42", "43", "44"})),
           {"EDS0-", "EDS1-", "EDS241424344"}, {kStopDataEmpty},
           {Check(StopDataCheck(0), false), Check(StopDataCheck(2))}),
      Send("WeekdayCodesAndTwoDigitTimes", SendStartTimeTriggers, times,
           {"BTS072359", "BTS1-", "BTS2-", "BTS300705", "BTS4-", "BTS5-", "BTS660008"}),
      Send("SizeAbove2000MByteClamped", SendStopDataSize, Size(true, "2001", kUnitMByte),
           {"ESS2097152000"}, {kStopSizeLimit}, {Text(kStopSizeField, "2000")}),
      Send("LogTimeBelowOneSecondRaised", SendStopLogTime, LogTime(true, "0", "", "", ""), {"ELS1"},
           {kLogTimeMinimum}, LogTime(true, "0", "0", "0", "1")),
      Send("TimestampIdleTimeOff", SendTimestampStopIdleTime, {}, {"PIS-"}),
      Send("ExcludedDataCutAtTheFirstEmptyField", SendTimestampExcludedData,
           {Text(ExcludedByte(0), "0d"), Text(ExcludedByte(1), "0A"), Text(ExcludedByte(3), "FF")},
           {"PDS0D0A"}),
  };
}

std::vector<OpCase> ReceiveCases() {
  return {
      Get("DataEnabledWithoutBytes", "BDG0=OK0", ReceiveStartDataTriggers,
          {Check(StartDataCheck(0)), Text(StartDataByte(0, 0), ""),
           Check(StartDataCheck(1), false)},
          {Text(StartDataByte(0, 0), "11")}),
      Get("DataBytesAsReceived", "BDG1=OK10D0a", ReceiveStartDataTriggers,
          Data(StartDataCheck(1), StartDataByte, 1, {"0D", "0a", ""})),
      Get("TimeEveryDay", "BTG3=OK371230", ReceiveStartTimeTriggers,
          Time(true, 3, true, 0, "12", "30"), {Combo(StartTimeWeekday(3), 4)}),
      Get("TimeDisabledResetsTheRow", "ETG2=OK2-", ReceiveStopTimeTriggers,
          Time(false, 2, false, 0, "0", "0"), Time(false, 2, true, 3, "5", "6")),
      Get("SizeAboveLargestShows2000", "ESG=OK2147483647", ReceiveStopDataSize,
          Size(true, "2000", kUnitMByte)),
      Get("LogTime", "ELG=OK93784", ReceiveStopLogTime, LogTime(true, "1", "2", "3", "4")),
      Get("LogTimeDisabledKeepsOneDay", "ELG=OK-", ReceiveStopLogTime,
          LogTime(false, "1", "0", "0", "0"), LogTime(true, "5", "5", "5", "5")),
      // A code selects every row it begins; the last such row wins.
      Get("ModeOff", "PMG=OKOFF", ReceiveTimestampMode, {Combo(kTimestampModeCombo, 0)},
          {Combo(kTimestampModeCombo, 1)}),
      Get("TypeUnknownKeepsSelection", "PTG=OKXYZ", ReceiveTimestampType,
          {Combo(kTimestampTypeCombo, 1)}, {Combo(kTimestampTypeCombo, 1)}),
      Get("ExcludedData", "PDG=OK0D0A", ReceiveTimestampExcludedData,
          {Text(ExcludedByte(0), "0D"), Text(ExcludedByte(1), "0A"), Text(ExcludedByte(2), "")},
          {Text(ExcludedByte(2), "FF")}),
  };
}

std::vector<OpCase> RefusedCases() {
  const RecordingNotifier::Box deviceError05{"応答エラー", "エラーが発生しました。 (コード : 05)"};
  const RecordingNotifier::Box oldFirmware{
      "情報",
      "KM-62RX本体ファームウェアバージョンが古いため「タイムスタンプ機能」は設定できません。"};
  return {
      // 51 is the SD-card error: the link counts as failed and the entries stop.
      Bad("SdCardErrorOnSet", "BTS2=51", SendStartTimeTriggers, {kSdCard}, kLinkFailed, {},
          {"BTS0-", "BTS1-", "BTS2-"}),
      // Other codes 1 to 99 are device errors.
      Bad("DeviceErrorOneDigit", "EIG=5", ReceiveStopIdleTime, {deviceError05}),
      Bad("DeviceError01OnTimestamps", "PMS=01", SendTimestampMode, {oldFirmware}),
      Bad("NotANumber", "LEG=NG", ReceiveLogFileExtension, {kInvalid}),
      // A set reply echoes the request after its mnemonic.
      Bad("EchoDiffers", "BDS0=OK0X", SendStartDataTriggers, {kMismatch}, kRefused, {}, {"BDS0-"}),
      Bad("WrongEntryIndex", "BDG0=OK1-", ReceiveStartDataTriggers, {kMismatch}, kRefused,
          Data(StartDataCheck(0), StartDataByte, 0, {"AA"}), {"BDG0"}),
      // Cut short, out of range, or values the fields' own rules would refuse.
      Bad("TimeCutShort", "BTG0=OK01", ReceiveStartTimeTriggers, {kInvalid}, kRefused,
          {Text(StartTimeHour(0), "7")}, {"BTG0"}),
      Bad("DataOddLastCharacter", "BDG0=OK00D0", ReceiveStartDataTriggers, {kInvalid}, kRefused,
          {Text(StartDataByte(0, 0), "EE")}),
      Bad("SizeBeyond32Bits", "ESG=OK99999999999", ReceiveStopDataSize, {kInvalid}, kRefused,
          {Text(kStopSizeField, "33")}),
      Bad("LogTimeAbove9999Days", "ELG=OK863913601", ReceiveStopLogTime, {kInvalid}),
      Bad("SeparatorTwoCharacters", "PPG=OKab", ReceiveTimestampSeparator, {kInvalid}),
  };
}

// Every text, check and selection of the pages, to compare before and after.
Lines PagesSnapshot(const PageControls& pages) {
  Lines snapshot;
  for (int id = 300; id < 900; ++id) {
    snapshot.push_back(std::to_string(id) + ":" + pages.Text(id) + "|" +
                       std::to_string(pages.Checked(id)) + "|" +
                       std::to_string(pages.ComboIndex(id)));
  }
  return snapshot;
}

class Commands : public ::testing::TestWithParam<OpCase> {};

TEST_P(Commands, SendShowOrRefuse) {
  const OpCase& c = GetParam();
  SimConnection connection(c.reply.empty() ? Lines{} : Lines{"--reply", c.reply});
  ASSERT_TRUE(connection.connected);
  for (const PageValue& v : c.setup)
    v.set(connection.pages);
  const Lines before = PagesSnapshot(connection.pages);
  EXPECT_EQ(c.operation(connection.ctx), c.result);
  ExpectBoxes(connection.boxes.boxes, c.boxes);
  for (const PageValue& v : c.expects)
    v.expect(connection.pages);
  if (!c.lines.empty()) {
    EXPECT_EQ(connection.Sent(), c.lines);
  }
  if (c.result != kDone) {  // a refused reply changes nothing on the pages
    EXPECT_EQ(PagesSnapshot(connection.pages), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Send, Commands, ::testing::ValuesIn(SendCases()),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(Receive, Commands, ::testing::ValuesIn(ReceiveCases()),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(Refused, Commands, ::testing::ValuesIn(RefusedCases()),
                         [](const auto& info) { return info.param.name; });

// Send-all and receive-all exchange every setting once, in the order of the pages (their
// progress lines and closing boxes: the command line's rows).
TEST(Runs, SendAllAndReceiveAllExchangeEverySettingInOrder) {
  SimConnection run;
  ASSERT_TRUE(run.connected);
  Lines order{"BDS", "BTS", "EDS", "ETS", "EIS", "ESS", "ELS", "LES", "PMS",
              "PTS", "PNS", "PPS", "PDS", "PBS", "PES", "PIS", "PSS"};
  for (const bool send : {true, false}) {
    run.Mark();
    EXPECT_EQ((send ? SendAllSettings(run.ctx) : ReceiveAllSettings(run.ctx)).result,
              RunResult::kFinished);
    Lines mnemonics;  // each once, in order
    for (const std::string& line : run.Sent()) {
      if (mnemonics.empty() || mnemonics.back() != line.substr(0, 3))
        mnemonics.push_back(line.substr(0, 3));
    }
    EXPECT_EQ(run.Sent().size(), 37u);
    EXPECT_EQ(mnemonics, order);
    for (std::string& name : order)
      name[2] = 'G';
  }
}

}  // namespace
}  // namespace km62rx::testing
