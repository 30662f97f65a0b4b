// The send-all and receive-all runs against the simulator.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "device/control_ids.h"
#include "device/settings_runs.h"
#include "op_case.h"

namespace km62rx::testing {
namespace {

using namespace km62rx::ids;

const RecordingNotifier::Box kSendDone{"設定完了", "本体への設定送信が完了しました。"};
const RecordingNotifier::Box kReceiveDone{"取得完了", "本体からの設定取得が完了しました。"};

// Records each step's number, item text and result.
struct Progress {
  std::vector<std::string> items;
  std::vector<int> results;
  device::RunProgress Recorder() {
    return [this](int step, std::string_view item, device::StepResult result) {
      items.push_back(std::to_string(step) + " " + std::string(item));
      results.push_back(TableResult(result));
    };
  }
};

// The distinct mnemonics of the lines, in order.
Lines Mnemonics(const Lines& lines) {
  Lines names;
  for (const auto& line : lines) {
    if (names.empty() || names.back() != line.substr(0, 3))
      names.push_back(line.substr(0, 3));
  }
  return names;
}

TEST(Runs, SendAllAndReceiveAllExchangeEverySettingInOrder) {
  SimConnection connection;
  ASSERT_TRUE(connection.connected);
  Progress progress;
  EXPECT_EQ(device::SendAllSettings(connection.ctx, progress.Recorder()).result,
            device::RunResult::kFinished);
  const Lines sent = connection.Sent();
  EXPECT_EQ(sent.size(), 37u);
  Lines order{"BDS", "BTS", "EDS", "ETS", "EIS", "ESS", "ELS", "LES", "PMS",
              "PTS", "PNS", "PPS", "PDS", "PBS", "PES", "PIS", "PSS"};
  EXPECT_EQ(Mnemonics(sent), order);
  ASSERT_EQ(progress.items.size(), 17u);
  EXPECT_EQ(progress.items.front(), "1 開始トリガー(データ)");
  EXPECT_EQ(progress.items.back(), "17 タイムスタンプ記録 終了条件(データサイズ)");
  EXPECT_EQ(progress.results, std::vector<int>(17, 1));

  connection.Mark();
  EXPECT_EQ(device::ReceiveAllSettings(connection.ctx).result, device::RunResult::kFinished);
  for (auto& name : order)
    name[2] = 'G';
  EXPECT_EQ(connection.Sent().size(), 37u);
  EXPECT_EQ(Mnemonics(connection.Sent()), order);
  EXPECT_EQ(connection.boxes.boxes, (Boxes{kSendDone, kReceiveDone}));
}

TEST(Runs, OldFirmwareStopsAfterTheLogFileExtension) {
  SimConnection connection({"--firmware", "100"});
  ASSERT_TRUE(connection.connected);
  Progress progress;
  EXPECT_EQ(device::SendAllSettings(connection.ctx, progress.Recorder()).result,
            device::RunResult::kFinished);
  EXPECT_EQ(progress.items.size(), 8u);
  const Lines sent = connection.Sent();
  EXPECT_EQ(sent.size(), 24u);
  EXPECT_EQ(sent.back(), "LESLOG");

  connection.Mark();
  EXPECT_EQ(device::ReceiveAllSettings(connection.ctx).result, device::RunResult::kFinished);
  EXPECT_EQ(connection.Sent().size(), 24u);
  EXPECT_EQ(connection.Sent().back(), "LEG");
  EXPECT_EQ(connection.boxes.boxes, (Boxes{kSendDone, kReceiveDone}));
}

TEST(Runs, RefusedEntryCostsTwoBoxesAndTheRunGoesOn) {
  SimConnection connection({"--reply", "BTS1=05"});
  ASSERT_TRUE(connection.connected);
  const device::RunOutcome outcome = device::SendAllSettings(connection.ctx);
  EXPECT_EQ(outcome.result, device::RunResult::kFinished);
  EXPECT_EQ(outcome.refusedSteps, 1);
  EXPECT_EQ(connection.boxes.boxes,
            (Boxes{{"応答エラー", "エラーが発生しました。 (コード : 05)"},
                   {"設定エラー", "開始トリガー(時刻)は正しく設定できなかった可能性があります。"},
                   kSendDone}));
  const Lines sent = connection.Sent();
  ASSERT_EQ(sent.size(), 37u - 5u);
  EXPECT_EQ(Lines(sent.begin() + 3, sent.begin() + 6), (Lines{"BTS0-", "BTS1-", "EDS0-"}));
}

TEST(Runs, SdCardErrorStopsTheRun) {
  SimConnection connection({"--reply", "EDS=51"});
  ASSERT_TRUE(connection.connected);
  Progress progress;
  EXPECT_EQ(device::SendAllSettings(connection.ctx, progress.Recorder()).result,
            device::RunResult::kLinkFailed);
  EXPECT_EQ(connection.boxes.boxes,
            (Boxes{kSdCard,
                   {"接続エラー",
                    "設定の送信中に接続エラーが発生しました。\r\n不完全な設定が本体に反映された"
                    "可能性があります。\r\n接続を確認して再度設定を試みてください。"}}));
  EXPECT_EQ(progress.results, (std::vector<int>{1, 1, -1}));
  EXPECT_EQ(connection.Sent().back(), "EDS0-");
}

TEST(Runs, LoggerHangingUpDuringReceiveKeepsWhatCameBefore) {
  // The simulator hangs up after answering the idle time (step 5): wake-up,
  // DEA, DEV, DEC, then 3 + 7 + 3 + 7 + 1 settings lines.
  SimConnection connection({"--hangup-after", std::to_string(4 + 3 + 7 + 3 + 7 + 1), "--reply",
                            "EIG=OK500", "--reply", "BTG2=OK211015"});
  ASSERT_TRUE(connection.connected);
  SetPages(connection.pages, {Text(kStopSizeField, "77"), Combo(kStopSizeUnit, kUnitByte)});
  Progress progress;
  EXPECT_EQ(device::ReceiveAllSettings(connection.ctx, progress.Recorder()).result,
            device::RunResult::kLinkFailed);
  EXPECT_EQ(connection.boxes.boxes,
            (Boxes{{"接続エラー",
                    "設定の受信中に接続エラーが発生しました。\r\n接続を確認してください。"}}));
  EXPECT_EQ(progress.results, (std::vector<int>{1, 1, 1, 1, 1, -1}));
  ExpectPages(connection.pages, {Check(StartTimeCheck(2)), Combo(StartTimeWeekday(2), 1),
                                 Text(StartTimeHour(2), "10"), Text(StartTimeMinute(2), "15"),
                                 Check(kStopIdleCheck), Text(kStopIdleField, "500"),
                                 Text(kStopSizeField, "77"), Combo(kStopSizeUnit, kUnitByte)});
  EXPECT_EQ(connection.link.connected, 1);  // a failed run does not disconnect
}

}  // namespace
}  // namespace km62rx::testing
