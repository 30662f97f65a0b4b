// What the receive operations write into the pages for each kind of reply.

#include <gtest/gtest.h>

#include "device/control_ids.h"
#include "op_case.h"

namespace km62rx::testing {
namespace {

using namespace device;
using namespace km62rx::ids;
constexpr int kMB = kUnitMByte;
constexpr int kKB = kUnitKByte;
constexpr int kB = kUnitByte;

std::vector<OpCase> ReceiveCases() {
  return {
      OnReply(
          "DataEnabledWithoutBytes", "BDG0=OK0", ReceiveStartDataTriggers, 1, {},
          {Check(StartDataCheck(0)), Text(StartDataByte(0, 0), ""), Text(StartDataByte(0, 1), ""),
           Text(StartDataByte(0, 3), ""), Check(StartDataCheck(1), false)},
          {Text(StartDataByte(0, 0), "11")}),
      OnReply("DataBytesAsReceived", "BDG1=OK10D0a", ReceiveStartDataTriggers, 1, {},
              {Check(StartDataCheck(1)), Text(StartDataByte(1, 0), "0D"),
               Text(StartDataByte(1, 1), "0a"), Text(StartDataByte(1, 2), "")}),
      OnReply(
          "DataFourBytes", "EDG2=OK201020304", ReceiveStopDataTriggers, 1, {},
          {Check(StopDataCheck(2)), Text(StopDataByte(2, 0), "01"), Text(StopDataByte(2, 1), "02"),
           Text(StopDataByte(2, 2), "03"), Text(StopDataByte(2, 3), "04")}),
      OnReply("DataDisabled", "PBG0=OK0-", ReceiveTimestampStartConditions, 1, {},
              {Check(TimestampStartCheck(0), false)}, {Check(TimestampStartCheck(0))}),
      OnReply("TimeEveryDay", "BTG3=OK371230", ReceiveStartTimeTriggers, 1, {},
              {Check(StartTimeCheck(3)), Combo(StartTimeWeekday(3), 0),
               Text(StartTimeHour(3), "12"), Text(StartTimeMinute(3), "30")},
              {Combo(StartTimeWeekday(3), 4)}),
      OnReply("TimeSundayKeepsLeadingZeros", "BTG0=OK000905", ReceiveStartTimeTriggers, 1, {},
              {Check(StartTimeCheck(0)), Combo(StartTimeWeekday(0), 7),
               Text(StartTimeHour(0), "09"), Text(StartTimeMinute(0), "05")}),
      OnReply("TimeDisabledResetsTheRow", "ETG2=OK2-", ReceiveStopTimeTriggers, 1, {},
              {Check(StopTimeCheck(2), false), Combo(StopTimeWeekday(2), 0),
               Text(StopTimeHour(2), "0"), Text(StopTimeMinute(2), "0")},
              {Check(StopTimeCheck(2)), Combo(StopTimeWeekday(2), 3), Text(StopTimeHour(2), "5"),
               Text(StopTimeMinute(2), "6")}),
      OnReply("SizeBelowTenThousandInByte", "ESG=OK9999", ReceiveStopDataSize, 1, {},
              {Check(kStopSizeCheck), Text(kStopSizeField, "9999"), Combo(kStopSizeUnit, kB)}),
      OnReply("SizeTenThousandInKByte", "ESG=OK10000", ReceiveStopDataSize, 1, {},
              {Text(kStopSizeField, "10"), Combo(kStopSizeUnit, kKB)}),
      OnReply("SizeJustBelowMByteDisplay", "ESG=OK10238976", ReceiveStopDataSize, 1, {},
              {Text(kStopSizeField, "9999"), Combo(kStopSizeUnit, kKB)}),
      OnReply("SizeRoundingToTenThousandKByteHeldAt9999", "ESG=OK10239600", ReceiveStopDataSize, 1,
              {}, {Text(kStopSizeField, "9999"), Combo(kStopSizeUnit, kKB)}),
      OnReply("SizeInMByte", "ESG=OK10240000", ReceiveStopDataSize, 1, {},
              {Text(kStopSizeField, "10"), Combo(kStopSizeUnit, kMB)}),
      OnReply("SizeAboveLargestShowsTwoThousand", "ESG=OK2147483647", ReceiveStopDataSize, 1, {},
              {Text(kStopSizeField, "2000"), Combo(kStopSizeUnit, kMB)}),
      OnReply("SizeDisabled", "ESG=OK-", ReceiveStopDataSize, 1, {},
              {Check(kStopSizeCheck, false), Text(kStopSizeField, "1"), Combo(kStopSizeUnit, kMB)},
              {Check(kStopSizeCheck), Text(kStopSizeField, "77"), Combo(kStopSizeUnit, kB)}),
      OnReply("TimestampSize", "PSG=OK12288", ReceiveTimestampStopDataSize, 1, {},
              {Check(kTimestampSizeCheck), Text(kTimestampSizeField, "12"),
               Combo(kTimestampSizeUnit, kKB)}),
      OnReply("LogTime", "ELG=OK93784", ReceiveStopLogTime, 1, {},
              {Check(kStopLogTimeCheck), Text(kLogDays, "1"), Text(kLogHours, "2"),
               Text(kLogMinutes, "3"), Text(kLogSeconds, "4")}),
      OnReply("LogTimeDisabledKeepsOneDay", "ELG=OK-", ReceiveStopLogTime, 1, {},
              {Check(kStopLogTimeCheck, false), Text(kLogDays, "1"), Text(kLogHours, "0"),
               Text(kLogMinutes, "0"), Text(kLogSeconds, "0")},
              {Check(kStopLogTimeCheck), Text(kLogDays, "5"), Text(kLogHours, "5"),
               Text(kLogMinutes, "5"), Text(kLogSeconds, "5")}),
      OnReply("IdleTime", "EIG=OK500", ReceiveStopIdleTime, 1, {},
              {Check(kStopIdleCheck), Text(kStopIdleField, "500")}),
      OnReply("IdleTimeDisabled", "PIG=OK-", ReceiveTimestampStopIdleTime, 1, {},
              {Check(kTimestampIdleCheck, false), Text(kTimestampIdleField, "1")},
              {Check(kTimestampIdleCheck), Text(kTimestampIdleField, "42")}),
      OnReply("Extension", "LEG=OKABC", ReceiveLogFileExtension, 1, {},
              {Text(kExtensionField, "ABC")}),
      // A code selects every row it begins; the last such row wins.
      OnReply("ModeOff", "PMG=OKOFF", ReceiveTimestampMode, 1, {}, {Combo(kTimestampModeCombo, 0)},
              {Combo(kTimestampModeCombo, 1)}),
      OnReply("ModeEmptySelectsLastRow", "PMG=OK", ReceiveTimestampMode, 1, {},
              {Combo(kTimestampModeCombo, 1)}),
      OnReply("TypeEmptySelectsLastRow", "PTG=OK", ReceiveTimestampType, 1, {},
              {Combo(kTimestampTypeCombo, 2)}),
      OnReply("TypeHms", "PTG=OKHMS", ReceiveTimestampType, 1, {}, {Combo(kTimestampTypeCombo, 1)}),
      OnReply("TypeLeadingPart", "PTG=OKO", ReceiveTimestampType, 1, {},
              {Combo(kTimestampTypeCombo, 2)}),
      OnReply("TypeUnknownKeepsSelection", "PTG=OKXYZ", ReceiveTimestampType, 1, {},
              {Combo(kTimestampTypeCombo, 1)}, {Combo(kTimestampTypeCombo, 1)}),
      OnReply("TypeLongerThanCodeMatchesNothing", "PTG=OKALLX", ReceiveTimestampType, 1, {},
              {Combo(kTimestampTypeCombo, 2)}, {Combo(kTimestampTypeCombo, 2)}),
      OnReply("SerialOff", "PNG=OKOFF", ReceiveTimestampSerialNo, 1, {},
              {Combo(kTimestampSerialCombo, 0)}),
      OnReply("SeparatorEscape", "PPG=OK\\t", ReceiveTimestampSeparator, 1, {},
              {Text(kSeparatorField, "\\t")}),
      OnReply("ExcludedData", "PDG=OK0D0A", ReceiveTimestampExcludedData, 1, {},
              {Text(ExcludedByte(0), "0D"), Text(ExcludedByte(1), "0A"), Text(ExcludedByte(2), "")},
              {Text(ExcludedByte(2), "FF")}),
  };
}

class ReceiveCommands : public ::testing::TestWithParam<OpCase> {};

TEST_P(ReceiveCommands, PagesShowTheReply) {
  SimConnection connection({"--reply", GetParam().reply});
  ASSERT_TRUE(connection.connected);
  RunOpCase(connection, GetParam(), connection.pages);
}

INSTANTIATE_TEST_SUITE_P(Replies, ReceiveCommands, ::testing::ValuesIn(ReceiveCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace km62rx::testing
