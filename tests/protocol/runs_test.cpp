// The send-all and receive-all runs against the simulator.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "device/control_ids.h"
#include "device/settings_runs.h"
#include "page_expect.h"
#include "reply_case.h"
#include "sim_connection.h"

namespace km62rx::testing {
namespace {

const RecordingNotifier::Box kSendDone{"設定完了", "本体への設定送信が完了しました。"};
const RecordingNotifier::Box kReceiveDone{"取得完了", "本体からの設定取得が完了しました。"};
const RecordingNotifier::Box kSendLinkFailure{
    "接続エラー",
    "設定の送信中に接続エラーが発生しました。\r\n不完全な設定が本体に反映された可能性があります。"
    "\r\n接続を確認して再度設定を試みてください。"};
const RecordingNotifier::Box kReceiveLinkFailure{
    "接続エラー", "設定の受信中に接続エラーが発生しました。\r\n接続を確認してください。"};

// Wake-up, DEA, DEV and DEC come before the settings commands.
constexpr int kHandshakeLines = 4;

struct ProgressRecord {
  int step;
  std::string item;
  int result;
};

std::vector<std::string> Mnemonics(const std::vector<std::string>& lines) {
  std::vector<std::string> names;
  for (const auto& line : lines) {
    const std::string name = line.substr(0, 3);
    if (names.empty() || names.back() != name)
      names.push_back(name);
  }
  return names;
}

const std::vector<std::string> kSendOrder{"BDS", "BTS", "EDS", "ETS", "EIS", "ESS",
                                          "ELS", "LES", "PMS", "PTS", "PNS", "PPS",
                                          "PDS", "PBS", "PES", "PIS", "PSS"};

TEST(Runs, SendAllExchangesEverySettingInOrder) {
  SimConnection connection;
  ASSERT_TRUE(connection.connected);
  std::vector<ProgressRecord> progress;
  const int result =
      device::SendAllSettings(connection.ctx, [&](int step, std::string_view item, int r) {
        progress.push_back({step, std::string(item), r});
      });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(connection.boxes.boxes, std::vector<RecordingNotifier::Box>{kSendDone});
  const auto lines = connection.Sent();
  EXPECT_EQ(lines.size(), 37u);
  EXPECT_EQ(Mnemonics(lines), kSendOrder);
  ASSERT_EQ(progress.size(), 17u);
  EXPECT_EQ(progress.front().item, "開始トリガー(データ)");
  EXPECT_EQ(progress.back().step, 17);
  EXPECT_EQ(progress.back().item, "タイムスタンプ記録 終了条件(データサイズ)");
  for (const auto& p : progress)
    EXPECT_EQ(p.result, 1) << p.step;
}

TEST(Runs, ReceiveAllAsksInTheSameOrder) {
  SimConnection connection;
  ASSERT_TRUE(connection.connected);
  EXPECT_EQ(device::ReceiveAllSettings(connection.ctx), 1);
  EXPECT_EQ(connection.boxes.boxes, std::vector<RecordingNotifier::Box>{kReceiveDone});
  const auto lines = connection.Sent();
  EXPECT_EQ(lines.size(), 37u);
  std::vector<std::string> order = kSendOrder;
  for (auto& name : order)
    name[2] = 'G';
  EXPECT_EQ(Mnemonics(lines), order);
}

TEST(Runs, SentSettingsComeBack) {
  SimConnection connection;
  ASSERT_TRUE(connection.connected);
  auto& p = connection.pages;
  p.SetChecked(ids::StartDataCheck(1), true);
  p.SetText(ids::StartDataByte(1, 0), "0d");
  p.SetText(ids::StartDataByte(1, 1), "0a");
  p.SetChecked(ids::StopTimeCheck(4), true);
  p.SetComboIndex(ids::StopTimeWeekday(4), 7);
  p.SetText(ids::StopTimeHour(4), "8");
  p.SetText(ids::StopTimeMinute(4), "30");
  p.SetChecked(ids::kStopSizeCheck, true);
  p.SetText(ids::kStopSizeField, "12");
  p.SetComboIndex(ids::kStopSizeUnit, ids::kUnitKByte);
  p.SetChecked(ids::kStopLogTimeCheck, true);
  p.SetText(ids::kLogHours, "5");
  p.SetText(ids::kExtensionField, "TXT");
  p.SetComboIndex(ids::kTimestampModeCombo, 1);
  p.SetComboIndex(ids::kTimestampTypeCombo, 2);
  p.SetText(ids::kSeparatorField, "\\t");
  p.SetText(ids::ExcludedByte(0), "ff");
  p.SetChecked(ids::TimestampStopCheck(0), true);
  p.SetText(ids::TimestampStopByte(0, 0), "7e");
  ASSERT_EQ(device::SendAllSettings(connection.ctx), 1);

  ui::MemoryPageControls received;
  RecordingNotifier boxes;
  device::CommandContext ctx{connection.link, received, boxes};
  ASSERT_EQ(device::ReceiveAllSettings(ctx), 1);
  EXPECT_EQ(boxes.boxes, std::vector<RecordingNotifier::Box>{kReceiveDone});
  ExpectPages(received, {CheckedIs(801, true),
                         TextIs(514, "0D"),
                         TextIs(515, "0A"),
                         TextIs(516, ""),
                         CheckedIs(834, true),
                         ComboIs(324, 7),
                         TextIs(604, "08"),
                         TextIs(614, "30"),
                         CheckedIs(845, true),
                         TextIs(630, "12"),
                         ComboIs(330, ids::kUnitKByte),
                         CheckedIs(850, true),
                         TextIs(640, "1"),
                         TextIs(641, "5"),
                         TextIs(645, "TXT"),
                         ComboIs(335, 1),
                         ComboIs(336, 2),
                         ComboIs(337, 1),
                         TextIs(646, "\\t"),
                         TextIs(650, "FF"),
                         TextIs(651, ""),
                         CheckedIs(870, true),
                         TextIs(680, "7E"),
                         CheckedIs(800, false),
                         CheckedIs(880, false)});
}

TEST(Runs, OldFirmwareStopsAfterTheLogFileExtension) {
  SimConnection connection({"--firmware", "100"});
  ASSERT_TRUE(connection.connected);
  EXPECT_EQ(connection.link.timestampSupported, 0);
  int steps = 0;
  EXPECT_EQ(device::SendAllSettings(connection.ctx, [&](int, std::string_view, int) { ++steps; }),
            1);
  EXPECT_EQ(steps, 8);
  EXPECT_EQ(connection.boxes.boxes, std::vector<RecordingNotifier::Box>{kSendDone});
  const auto lines = connection.Sent();
  EXPECT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines.back(), "LESLOG");
  EXPECT_TRUE(std::none_of(lines.begin(), lines.end(),
                           [](const std::string& l) { return !l.empty() && l[0] == 'P'; }));

  connection.boxes.boxes.clear();
  connection.Mark();
  EXPECT_EQ(device::ReceiveAllSettings(connection.ctx), 1);
  EXPECT_EQ(connection.SentSinceMark().size(), 24u);
  EXPECT_EQ(connection.boxes.boxes, std::vector<RecordingNotifier::Box>{kReceiveDone});
}

TEST(Runs, RefusedEntryCostsTwoBoxesAndTheRunGoesOn) {
  SimConnection connection({"--reply", "BTS1=05"});
  ASSERT_TRUE(connection.connected);
  EXPECT_EQ(device::SendAllSettings(connection.ctx), 1);
  EXPECT_EQ(connection.boxes.boxes,
            (std::vector<RecordingNotifier::Box>{
                {"応答エラー", "エラーが発生しました。 (コード : 05)"},
                {"設定エラー", "開始トリガー(時刻)は正しく設定できなかった可能性があります。"},
                kSendDone}));
  const auto lines = connection.Sent();
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6),
            (std::vector<std::string>{"BDS0-", "BDS1-", "BDS2-", "BTS0-", "BTS1-", "EDS0-"}));
  EXPECT_EQ(lines.size(), 37u - 5u);
}

TEST(Runs, LastStepFailureIsFollowedByCompletion) {
  SimConnection connection({"--reply", "PSG=NG"});
  ASSERT_TRUE(connection.connected);
  EXPECT_EQ(device::ReceiveAllSettings(connection.ctx), 1);
  EXPECT_EQ(
      connection.boxes.boxes,
      (std::vector<RecordingNotifier::Box>{
          kInvalidReply,
          {"読込エラー",
           "タイムスタンプ記録 終了条件(データサイズ)は正しく取得できなかった可能性があります。"},
          kReceiveDone}));
}

TEST(Runs, SdCardErrorStopsTheRun) {
  SimConnection connection({"--reply", "EDS=51"});
  ASSERT_TRUE(connection.connected);
  std::vector<int> results;
  EXPECT_EQ(device::SendAllSettings(connection.ctx,
                                    [&](int, std::string_view, int r) { results.push_back(r); }),
            0);
  EXPECT_EQ(connection.boxes.boxes,
            (std::vector<RecordingNotifier::Box>{kSdCard, kSendLinkFailure}));
  EXPECT_EQ(results, (std::vector<int>{1, 1, -1}));
  const auto lines = connection.Sent();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "EDS0-");
}

TEST(Runs, BrokenLinkDuringReceiveKeepsWhatCameBefore) {
  // The simulator hangs up after answering the idle time (step 5), so the
  // data size of step 6 never gets its reply.
  const int answered = kHandshakeLines + 3 + 7 + 3 + 7 + 1;
  SimConnection connection({"--hangup-after", std::to_string(answered), "--reply", "EIG=OK500",
                            "--reply", "BTG2=OK211015", "--reply", "ELG=OK93784"});
  ASSERT_TRUE(connection.connected);
  connection.pages.SetText(ids::kStopSizeField, "77");
  connection.pages.SetComboIndex(ids::kStopSizeUnit, ids::kUnitByte);
  std::vector<int> results;
  EXPECT_EQ(device::ReceiveAllSettings(connection.ctx,
                                       [&](int, std::string_view, int r) { results.push_back(r); }),
            0);
  EXPECT_EQ(connection.boxes.boxes, std::vector<RecordingNotifier::Box>{kReceiveLinkFailure});
  EXPECT_EQ(results, (std::vector<int>{1, 1, 1, 1, 1, -1}));
  ExpectPages(connection.pages, {CheckedIs(812, true), ComboIs(312, 1), TextIs(552, "10"),
                                 TextIs(562, "15"), CheckedIs(840, true), TextIs(620, "500"),
                                 TextIs(630, "77"), ComboIs(330, ids::kUnitByte),
                                 CheckedIs(850, false), TextIs(640, "1"), TextIs(641, "0")});
  EXPECT_EQ(connection.link.connected, 1);  // a failed run does not disconnect
}

}  // namespace
}  // namespace km62rx::testing
