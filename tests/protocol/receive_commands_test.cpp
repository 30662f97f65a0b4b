// What the receive operations write into the pages for each kind of reply.

#include <gtest/gtest.h>

#include "device/control_ids.h"
#include "op_case.h"

namespace km62rx::testing {
namespace {

using namespace device;
constexpr int kMB = ids::kUnitMByte;
constexpr int kKB = ids::kUnitKByte;
constexpr int kB = ids::kUnitByte;

std::vector<OpCase> ReceiveCases() {
  return {
      OnReply("DataEnabledWithoutBytes", "BDG0=OK0", ReceiveStartDataTriggers, 1, {},
              {Check(800), Text(510, ""), Text(511, ""), Text(513, ""), Check(801, false)},
              {Text(510, "11")}),
      OnReply("DataBytesAsReceived", "BDG1=OK10D0a", ReceiveStartDataTriggers, 1, {},
              {Check(801), Text(514, "0D"), Text(515, "0a"), Text(516, "")}),
      OnReply("DataFourBytes", "EDG2=OK201020304", ReceiveStopDataTriggers, 1, {},
              {Check(822), Text(578, "01"), Text(579, "02"), Text(580, "03"), Text(581, "04")}),
      OnReply("DataDisabled", "PBG0=OK0-", ReceiveTimestampStartConditions, 1, {},
              {Check(860, false)}, {Check(860)}),
      OnReply("TimeEveryDay", "BTG3=OK371230", ReceiveStartTimeTriggers, 1, {},
              {Check(813), Combo(313, 0), Text(553, "12"), Text(563, "30")}, {Combo(313, 4)}),
      OnReply("TimeSundayKeepsLeadingZeros", "BTG0=OK000905", ReceiveStartTimeTriggers, 1, {},
              {Check(810), Combo(310, 7), Text(550, "09"), Text(560, "05")}),
      OnReply("TimeDisabledResetsTheRow", "ETG2=OK2-", ReceiveStopTimeTriggers, 1, {},
              {Check(832, false), Combo(322, 0), Text(602, "0"), Text(612, "0")},
              {Check(832), Combo(322, 3), Text(602, "5"), Text(612, "6")}),
      OnReply("SizeBelowTenThousandInByte", "ESG=OK9999", ReceiveStopDataSize, 1, {},
              {Check(845), Text(630, "9999"), Combo(330, kB)}),
      OnReply("SizeTenThousandInKByte", "ESG=OK10000", ReceiveStopDataSize, 1, {},
              {Text(630, "10"), Combo(330, kKB)}),
      OnReply("SizeJustBelowMByteDisplay", "ESG=OK10238976", ReceiveStopDataSize, 1, {},
              {Text(630, "9999"), Combo(330, kKB)}),
      OnReply("SizeRoundingToTenThousandKByteHeldAt9999", "ESG=OK10239600", ReceiveStopDataSize, 1,
              {}, {Text(630, "9999"), Combo(330, kKB)}),
      OnReply("SizeInMByte", "ESG=OK10240000", ReceiveStopDataSize, 1, {},
              {Text(630, "10"), Combo(330, kMB)}),
      OnReply("SizeAboveLargestShowsTwoThousand", "ESG=OK2147483647", ReceiveStopDataSize, 1, {},
              {Text(630, "2000"), Combo(330, kMB)}),
      OnReply("SizeDisabled", "ESG=OK-", ReceiveStopDataSize, 1, {},
              {Check(845, false), Text(630, "1"), Combo(330, kMB)},
              {Check(845), Text(630, "77"), Combo(330, kB)}),
      OnReply("TimestampSize", "PSG=OK12288", ReceiveTimestampStopDataSize, 1, {},
              {Check(885), Text(696, "12"), Combo(340, kKB)}),
      OnReply("LogTime", "ELG=OK93784", ReceiveStopLogTime, 1, {},
              {Check(850), Text(640, "1"), Text(641, "2"), Text(642, "3"), Text(643, "4")}),
      OnReply("LogTimeDisabledKeepsOneDay", "ELG=OK-", ReceiveStopLogTime, 1, {},
              {Check(850, false), Text(640, "1"), Text(641, "0"), Text(642, "0"), Text(643, "0")},
              {Check(850), Text(640, "5"), Text(641, "5"), Text(642, "5"), Text(643, "5")}),
      OnReply("IdleTime", "EIG=OK500", ReceiveStopIdleTime, 1, {}, {Check(840), Text(620, "500")}),
      OnReply("IdleTimeDisabled", "PIG=OK-", ReceiveTimestampStopIdleTime, 1, {},
              {Check(880, false), Text(695, "1")}, {Check(880), Text(695, "42")}),
      OnReply("Extension", "LEG=OKABC", ReceiveLogFileExtension, 1, {}, {Text(645, "ABC")}),
      // A code selects every row it begins; the last such row wins.
      OnReply("ModeOff", "PMG=OKOFF", ReceiveTimestampMode, 1, {}, {Combo(335, 0)},
              {Combo(335, 1)}),
      OnReply("ModeEmptySelectsLastRow", "PMG=OK", ReceiveTimestampMode, 1, {}, {Combo(335, 1)}),
      OnReply("TypeEmptySelectsLastRow", "PTG=OK", ReceiveTimestampType, 1, {}, {Combo(336, 2)}),
      OnReply("TypeHms", "PTG=OKHMS", ReceiveTimestampType, 1, {}, {Combo(336, 1)}),
      OnReply("TypeLeadingPart", "PTG=OKO", ReceiveTimestampType, 1, {}, {Combo(336, 2)}),
      OnReply("TypeUnknownKeepsSelection", "PTG=OKXYZ", ReceiveTimestampType, 1, {},
              {Combo(336, 1)}, {Combo(336, 1)}),
      OnReply("TypeLongerThanCodeMatchesNothing", "PTG=OKALLX", ReceiveTimestampType, 1, {},
              {Combo(336, 2)}, {Combo(336, 2)}),
      OnReply("SerialOff", "PNG=OKOFF", ReceiveTimestampSerialNo, 1, {}, {Combo(337, 0)}),
      OnReply("SeparatorEscape", "PPG=OK\\t", ReceiveTimestampSeparator, 1, {}, {Text(646, "\\t")}),
      OnReply("ExcludedData", "PDG=OK0D0A", ReceiveTimestampExcludedData, 1, {},
              {Text(650, "0D"), Text(651, "0A"), Text(652, "")}, {Text(652, "FF")}),
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
