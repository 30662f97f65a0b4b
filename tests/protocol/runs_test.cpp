// The send-all and receive-all runs against the simulator.

#include <gtest/gtest.h>

#include "device/control_ids.h"
#include "device/settings_runs.h"
#include "op_case.h"

namespace km62rx::testing {
namespace {

using namespace km62rx::ids;
using device::RunResult;

// A simulator connection that runs send-all or receive-all and records each step.
struct RunFixture : SimConnection {
  using SimConnection::SimConnection;
  RunResult Run(bool send) {
    Mark();
    const device::RunProgress progress = [this](int step, std::string_view item,
                                                device::StepResult result) {
      items.push_back(std::to_string(step) + " " + std::string(item));
      results.push_back(TableResult(result));
    };
    return (send ? device::SendAllSettings(ctx, progress)
                 : device::ReceiveAllSettings(ctx, progress))
        .result;
  }
  // The distinct mnemonics of the lines sent, in order.
  Lines Mnemonics() const {
    Lines names;
    for (const auto& line : Sent()) {
      if (names.empty() || names.back() != line.substr(0, 3))
        names.push_back(line.substr(0, 3));
    }
    return names;
  }
  Lines items;
  std::vector<int> results;
};

TEST(Runs, SendAllAndReceiveAllExchangeEverySettingInOrder) {
  RunFixture run;
  ASSERT_TRUE(run.connected);
  EXPECT_EQ(run.Run(true), RunResult::kFinished);
  EXPECT_EQ(run.Sent().size(), 37u);
  Lines order{"BDS", "BTS", "EDS", "ETS", "EIS", "ESS", "ELS", "LES", "PMS",
              "PTS", "PNS", "PPS", "PDS", "PBS", "PES", "PIS", "PSS"};
  EXPECT_EQ(run.Mnemonics(), order);
  ASSERT_EQ(run.items.size(), 17u);
  EXPECT_EQ(run.items.front(), "1 開始トリガー(データ)");
  EXPECT_EQ(run.items.back(), "17 タイムスタンプ記録 終了条件(データサイズ)");
  EXPECT_EQ(run.results, std::vector<int>(17, 1));
  EXPECT_EQ(run.Run(false), RunResult::kFinished);
  EXPECT_EQ(run.Sent().size(), 37u);
  for (auto& name : order)
    name[2] = 'G';
  EXPECT_EQ(run.Mnemonics(), order);
  EXPECT_EQ(run.boxes.boxes, (Boxes{{"設定完了", "本体への設定送信が完了しました。"},
                                    {"取得完了", "本体からの設定取得が完了しました。"}}));
}

TEST(Runs, LoggerHangingUpDuringReceiveKeepsWhatCameBefore) {
  // It hangs up after answering the idle time (step 5): wake-up, DEA, DEV, DEC, then
  // 3 + 7 + 3 + 7 + 1 settings lines.
  RunFixture run({"--hangup-after", std::to_string(4 + 3 + 7 + 3 + 7 + 1), "--reply", "EIG=OK500",
                  "--reply", "BTG2=OK211015"});
  ASSERT_TRUE(run.connected);
  SetPages(run.pages, {Text(kStopSizeField, "77"), Combo(kStopSizeUnit, kUnitByte)});
  EXPECT_EQ(run.Run(false), RunResult::kLinkFailed);
  EXPECT_EQ(run.boxes.boxes,
            (Boxes{{"接続エラー",
                    "設定の受信中に接続エラーが発生しました。\r\n接続を確認してください。"}}));
  EXPECT_EQ(run.results, (std::vector<int>{1, 1, 1, 1, 1, -1}));
  ExpectPages(run.pages, {Check(StartTimeCheck(2)), Combo(StartTimeWeekday(2), 1),
                          Text(StartTimeHour(2), "10"), Text(StartTimeMinute(2), "15"),
                          Check(kStopIdleCheck), Text(kStopIdleField, "500"),
                          Text(kStopSizeField, "77"), Combo(kStopSizeUnit, kUnitByte)});
  EXPECT_EQ(run.link.connected, 1);  // a failed run does not disconnect
}

}  // namespace
}  // namespace km62rx::testing
