// Replies that are not the expected "OK": device errors, the SD-card error,
// invalid, mismatching and cut-short replies. None may crash, and none may
// change the controls of the entry it belongs to.

#include <gtest/gtest.h>

#include "device/control_ids.h"
#include "reply_case.h"

namespace km62rx::testing {
namespace {

using device::PageControls;

const RecordingNotifier::Box kDeviceError05{"応答エラー", "エラーが発生しました。 (コード : 05)"};
const RecordingNotifier::Box kOldFirmware{
    "情報",
    "KM-62RX本体ファームウェアバージョンが古いため「タイムスタンプ機能」は設定できません。"};
const RecordingNotifier::Box kParameterMismatch{"応答エラー", "コマンドのパラメータが不一致です。"};

using Lines = std::vector<std::string>;

std::vector<ReplyCase> ErrorCases() {
  return {
      {"SdCardErrorOnGet",
       {"BDG0=51"},
       device::ReceiveStartDataTriggers,
       {},
       -1,
       {kSdCard},
       {},
       Lines{"BDG0"}},
      {"SdCardErrorOnSet",
       {"BTS2=51"},
       device::SendStartTimeTriggers,
       {},
       -1,
       {kSdCard},
       {},
       Lines{"BTS0-", "BTS1-", "BTS2-"}},
      {"DeviceErrorStopsTheEntries",
       {"BTS1=05"},
       device::SendStartTimeTriggers,
       {},
       0,
       {kDeviceError05},
       {},
       Lines{"BTS0-", "BTS1-"}},
      {"DeviceErrorOneDigit",
       {"EIG=5"},
       device::ReceiveStopIdleTime,
       {},
       0,
       {kDeviceError05},
       {TextIs(620, "1"), CheckedIs(840, false)}},
      {"DeviceError01", {"PMS=01"}, device::SendTimestampMode, {}, 0, {kOldFirmware}},
      {"DeviceError99", {"PTG=99"}, device::ReceiveTimestampType, {}, 0, {kParameterMismatch}},
      {"NotANumber",
       {"LEG=NG"},
       device::ReceiveLogFileExtension,
       {},
       0,
       {kInvalidReply},
       {TextIs(645, "LOG")}},
      {"ErrorCodeZero", {"LEG=00"}, device::ReceiveLogFileExtension, {}, 0, {kInvalidReply}},
      {"ErrorCodeAboveRange", {"ESS=100"}, device::SendStopDataSize, {}, 0, {kInvalidReply}},
      {"LetterOThenOther", {"PPS=OX,"}, device::SendTimestampSeparator, {}, 0, {kInvalidReply}},
      {"EchoDiffers",
       {"BDS0=OK0X"},
       device::SendStartDataTriggers,
       {},
       0,
       {kMismatch},
       {},
       Lines{"BDS0-"}},
      {"EchoShorter", {"ESS=OK"}, device::SendStopDataSize, {}, 0, {kMismatch}},
      {"EchoCaseDiffers", {"LES=OKlog"}, device::SendLogFileExtension, {}, 0, {kMismatch}},
      {"WrongEntryIndex",
       {"BDG0=OK1-"},
       device::ReceiveStartDataTriggers,
       [](PageControls& p) {
         p.SetChecked(800, true);
         p.SetText(510, "AA");
       },
       0,
       {kMismatch},
       {CheckedIs(800, true), TextIs(510, "AA")},
       Lines{"BDG0"}},
      {"NoEntryIndex",
       {"ETG0=OK"},
       device::ReceiveStopTimeTriggers,
       {},
       0,
       {kMismatch},
       {},
       Lines{"ETG0"}},
      {"ExtensionTooShort",
       {"LEG=OKLO"},
       device::ReceiveLogFileExtension,
       {},
       0,
       {kInvalidReply},
       {TextIs(645, "LOG")}},
      {"ExtensionEmpty",
       {"LEG=OK"},
       device::ReceiveLogFileExtension,
       {},
       0,
       {kInvalidReply},
       {TextIs(645, "LOG")}},
      {"TimeCutShort",
       {"BTG0=OK01"},
       device::ReceiveStartTimeTriggers,
       [](PageControls& p) { p.SetText(550, "7"); },
       0,
       {kInvalidReply},
       {CheckedIs(810, false), TextIs(550, "7"), ComboIs(310, 0)},
       Lines{"BTG0"}},
      {"TimeMissingMinute",
       {"ETG1=OK11230"},
       device::ReceiveStopTimeTriggers,
       {},
       0,
       {kInvalidReply},
       {CheckedIs(831, false)}},
      {"DataOddLastCharacter",
       {"BDG0=OK00D0"},
       device::ReceiveStartDataTriggers,
       [](PageControls& p) { p.SetText(510, "EE"); },
       0,
       {kInvalidReply},
       {CheckedIs(800, false), TextIs(510, "EE"), TextIs(511, "")}},
      {"ExcludedDataOddLastCharacter",
       {"PDG=OK0D0"},
       device::ReceiveTimestampExcludedData,
       [](PageControls& p) { p.SetText(652, "FF"); },
       0,
       {kInvalidReply},
       {TextIs(650, ""), TextIs(652, "FF")}},
      {"SizeBeyond32Bits",
       {"ESG=OK99999999999"},
       device::ReceiveStopDataSize,
       [](PageControls& p) { p.SetText(630, "33"); },
       0,
       {kInvalidReply},
       {TextIs(630, "33"), CheckedIs(845, false)}},
      {"LogTimeBeyond32Bits",
       {"ELG=OK3000000000"},
       device::ReceiveStopLogTime,
       {},
       0,
       {kInvalidReply},
       {TextIs(640, "1"), CheckedIs(850, false)}},
  };
}

class ReplyErrors : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ReplyErrors, UserIsToldAndNothingBreaks) {
  RunReplyCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Replies, ReplyErrors, ::testing::ValuesIn(ErrorCases()),
                         [](const auto& info) { return info.param.name; });

TEST(ReplyErrorsLink, SilentLoggerFailsTheLinkWithoutABox) {
  SimConnection connection;
  ASSERT_TRUE(connection.connected);
  connection.sim.Stop();
  EXPECT_EQ(device::ReceiveLogFileExtension(connection.ctx), -1);
  EXPECT_TRUE(connection.boxes.boxes.empty());
}

}  // namespace
}  // namespace km62rx::testing
