#include <gtest/gtest.h>

#include "device/clock_commands.h"
#include "device/link.h"
#include "settings/clock.h"
#include "settings/notifier.h"
#include "support/fake_serial_line.h"

namespace km62rx::device {
namespace {

using testing::FakeSerialLine;
using Box = RecordingNotifier::Box;

TEST(ClockCommandTest, BuildsTwoDigitFieldsAndCr) {
  EXPECT_EQ(BuildClockCommand({2026, 3, 5, 7, 8, 9}), "TMS260305070809\r");
  EXPECT_EQ(BuildClockCommand({2099, 12, 31, 23, 59, 59}), "TMS991231235959\r");
  // Longer values are not cut.
  EXPECT_EQ(BuildClockCommand({2100, 1, 1, 0, 0, 0}), "TMS1000101000000\r");
}

TEST(ClockCommandTest, TypedTimeFromBrokenDownTime) {
  const FixedClock clock(2026, 3, 5, 7, 8, 9);
  const TypedTime t = TypedTimeFromTm(clock.LocalNow());
  EXPECT_EQ(BuildClockCommand(t), "TMS260305070809\r");
}

struct ReplyCase {
  const char* reply;
  int result;
  Box box;
};

class ClockReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ClockReplyTest, ShowsWhatTheLoggerAnswered) {
  FakeSerialLine line;
  ASSERT_TRUE(line.Open("ttyFAKE0", LineSettings{}));
  DeviceLink link{line};
  link.connected = 1;
  line.ThenReply(GetParam().reply);
  RecordingNotifier owner;
  EXPECT_EQ(SetLoggerClockFromPc(link, FixedClock(2026, 3, 5, 7, 8, 9), owner), GetParam().result);
  EXPECT_EQ(line.written, std::vector<std::string>{"TMS260305070809\r"});
  EXPECT_EQ(owner.boxes, std::vector<Box>{GetParam().box});
  EXPECT_EQ(link.connected, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ClockReplyTest,
    ::testing::Values(
        ReplyCase{"OK260305070809\r", 1, {"本体時刻設定", "2026/03/05 07:08:09 に設定しました。"}},
        ReplyCase{"01\r", 0, {"応答エラー", "ハードウェア設定が不正です。"}},
        ReplyCase{"99\r", 0, {"応答エラー", "コマンドのパラメータが不一致です。"}},
        ReplyCase{"51\r", 0, {"応答エラー", "KM-62RXからの応答が不正な値です。"}},
        ReplyCase{"OX\r", 0, {"応答エラー", "KM-62RXからの応答が不正な値です。"}}));

TEST(ClockReplyTest, FailedExchangeShowsTheLinkBox) {
  FakeSerialLine line;
  ASSERT_TRUE(line.Open("ttyFAKE0", LineSettings{}));
  DeviceLink link{line};
  line.vanishAfterWrites = 1;
  RecordingNotifier owner;
  EXPECT_EQ(SetLoggerClockFromTime(link, {2026, 2, 31, 0, 0, 0}, owner), 0);
  EXPECT_EQ(line.written, std::vector<std::string>{"TMS260231000000\r"});
  EXPECT_EQ(owner.boxes, (std::vector<Box>{{"接続エラー", "送受信に失敗しました。"}}));
}

}  // namespace
}  // namespace km62rx::device
