// Replies that are not the expected "OK": device errors, the SD-card error,
// invalid, mismatching and cut-short replies. None may crash, and none may
// change the pages.

#include <gtest/gtest.h>

#include "device/control_ids.h"
#include "op_case.h"

namespace km62rx::testing {
namespace {

using namespace device;
using namespace km62rx::ids;

const RecordingNotifier::Box kDeviceError05{"応答エラー", "エラーが発生しました。 (コード : 05)"};
const RecordingNotifier::Box kOldFirmware{
    "情報",
    "KM-62RX本体ファームウェアバージョンが古いため「タイムスタンプ機能」は設定できません。"};
const RecordingNotifier::Box kParameterMismatch{"応答エラー", "コマンドのパラメータが不一致です。"};

std::vector<OpCase> ErrorCases() {
  return {
      // 51 is the SD-card error: the link counts as failed and the entries stop.
      OnReply("SdCardErrorOnSet", "BTS2=51", SendStartTimeTriggers, -1, {kSdCard}, {}, {},
              {"BTS0-", "BTS1-", "BTS2-"}),
      // Other codes 1 to 99 are device errors.
      OnReply("DeviceErrorOneDigit", "EIG=5", ReceiveStopIdleTime, 0, {kDeviceError05}),
      OnReply("DeviceError01", "PMS=01", SendTimestampMode, 0, {kOldFirmware}),
      OnReply("DeviceError99", "PTG=99", ReceiveTimestampType, 0, {kParameterMismatch}),
      OnReply("NotANumber", "LEG=NG", ReceiveLogFileExtension, 0, {kInvalidReply}),
      OnReply("ErrorCodeZero", "LEG=00", ReceiveLogFileExtension, 0, {kInvalidReply}),
      OnReply("ErrorCodeAboveRange", "ESS=100", SendStopDataSize, 0, {kInvalidReply}),
      OnReply("LetterOThenOther", "PPS=OX,", SendTimestampSeparator, 0, {kInvalidReply}),
      // A set reply echoes the request after its mnemonic.
      OnReply("EchoDiffers", "BDS0=OK0X", SendStartDataTriggers, 0, {kMismatch}, {}, {}, {"BDS0-"}),
      OnReply("EchoShorter", "ESS=OK", SendStopDataSize, 0, {kMismatch}),
      OnReply("WrongEntryIndex", "BDG0=OK1-", ReceiveStartDataTriggers, 0, {kMismatch}, {},
              {Check(StartDataCheck(0)), Text(StartDataByte(0, 0), "AA")}, {"BDG0"}),
      OnReply("NoEntryIndex", "ETG0=OK", ReceiveStopTimeTriggers, 0, {kMismatch}, {}, {}, {"ETG0"}),
      // Cut short or out of range.
      OnReply("ExtensionTooShort", "LEG=OKLO", ReceiveLogFileExtension, 0, {kInvalidReply}),
      OnReply("ExtensionEmpty", "LEG=OK", ReceiveLogFileExtension, 0, {kInvalidReply}),
      OnReply("ExtensionWithEquals", "LEG=OK1=0", ReceiveLogFileExtension, 0, {kInvalidReply}),
      OnReply("TimeCutShort", "BTG0=OK01", ReceiveStartTimeTriggers, 0, {kInvalidReply}, {},
              {Text(StartTimeHour(0), "7")}, {"BTG0"}),
      OnReply("TimeMissingMinute", "ETG1=OK11230", ReceiveStopTimeTriggers, 0, {kInvalidReply}),
      OnReply("DataOddLastCharacter", "BDG0=OK00D0", ReceiveStartDataTriggers, 0, {kInvalidReply},
              {}, {Text(StartDataByte(0, 0), "EE")}),
      OnReply("ExcludedDataOddLastCharacter", "PDG=OK0D0", ReceiveTimestampExcludedData, 0,
              {kInvalidReply}, {}, {Text(ExcludedByte(2), "FF")}),
      OnReply("SizeBeyond32Bits", "ESG=OK99999999999", ReceiveStopDataSize, 0, {kInvalidReply}, {},
              {Text(kStopSizeField, "33")}),
      OnReply("LogTimeBeyond32Bits", "ELG=OK3000000000", ReceiveStopLogTime, 0, {kInvalidReply}),
      // Values the fields' own rules would refuse.
      OnReply("WeekdayAboveSeven", "BTG0=OK080900", ReceiveStartTimeTriggers, 0, {kInvalidReply}),
      OnReply("HourNotDigits", "BTG0=OK07ab:c", ReceiveStartTimeTriggers, 0, {kInvalidReply}),
      OnReply("HourAbove23", "ETG0=OK072400", ReceiveStopTimeTriggers, 0, {kInvalidReply}),
      OnReply("MinuteAbove59", "ETG0=OK072360", ReceiveStopTimeTriggers, 0, {kInvalidReply}),
      OnReply("MinuteThreeDigits", "BTG0=OK0712300", ReceiveStartTimeTriggers, 0, {kInvalidReply}),
      OnReply("SizeNegative", "ESG=OK -5", ReceiveStopDataSize, 0, {kInvalidReply}),
      OnReply("SizeZero", "PSG=OK0", ReceiveTimestampStopDataSize, 0, {kInvalidReply}),
      OnReply("IdleTenDigits", "EIG=OK1234567890", ReceiveStopIdleTime, 0, {kInvalidReply}, {},
              {Check(kStopIdleCheck), Text(kStopIdleField, "5")}),
      OnReply("IdleNotDigits", "PIG=OK12x", ReceiveTimestampStopIdleTime, 0, {kInvalidReply}),
      OnReply("LogTimeAbove9999Days", "ELG=OK863913601", ReceiveStopLogTime, 0, {kInvalidReply}),
      OnReply("DataNotHex", "BDG0=OK0ZZ", ReceiveStartDataTriggers, 0, {kInvalidReply}),
      OnReply("DataFiveBytes", "EDG0=OK00102030405", ReceiveStopDataTriggers, 0, {kInvalidReply}),
      OnReply("ExcludedDataNotHex", "PDG=OK0G", ReceiveTimestampExcludedData, 0, {kInvalidReply}),
      OnReply("ExcludedDataElevenBytes", "PDG=OK0102030405060708090A0B",
              ReceiveTimestampExcludedData, 0, {kInvalidReply}),
      OnReply("SeparatorTwoCharacters", "PPG=OKab", ReceiveTimestampSeparator, 0, {kInvalidReply}),
      OnReply("SeparatorEmpty", "PPG=OK", ReceiveTimestampSeparator, 0, {kInvalidReply}),
  };
}

class ReplyErrors : public ::testing::TestWithParam<OpCase> {};

TEST_P(ReplyErrors, UserIsToldAndThePagesStay) {
  SimConnection connection({"--reply", GetParam().reply});
  ASSERT_TRUE(connection.connected);
  SetPages(connection.pages, GetParam().setup);
  const std::vector<std::string> before = PagesSnapshot(connection.pages);
  RunOpCase(connection, GetParam(), connection.pages);
  const std::vector<std::string> after = PagesSnapshot(connection.pages);
  Lines changed;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (after[i] != before[i])
      changed.push_back(before[i] + " -> " + after[i]);
  }
  EXPECT_EQ(changed, Lines{});
}

INSTANTIATE_TEST_SUITE_P(Replies, ReplyErrors, ::testing::ValuesIn(ErrorCases()),
                         [](const auto& info) { return info.param.name; });

TEST(ReplyErrorsLink, SilentLoggerFailsTheLinkWithoutABox) {
  SimConnection connection;
  ASSERT_TRUE(connection.connected);
  connection.sim.Stop();
  EXPECT_EQ(ReceiveLogFileExtension(connection.ctx), device::StepResult::kLinkFailed);
  EXPECT_TRUE(connection.boxes.boxes.empty());
}

}  // namespace
}  // namespace km62rx::testing
