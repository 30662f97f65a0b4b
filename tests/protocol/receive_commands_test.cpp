// What the receive operations write into the pages for each kind of reply.

#include <gtest/gtest.h>

#include "device/control_ids.h"
#include "reply_case.h"

namespace km62rx::testing {
namespace {

namespace ids = km62rx::ids;
using device::PageControls;

std::vector<ReplyCase> ReceiveCases() {
  return {
      {"DataEnabledWithoutBytes",
       {"BDG0=OK0"},
       device::ReceiveStartDataTriggers,
       [](PageControls& p) { p.SetText(ids::StartDataByte(0, 0), "11"); },
       1,
       {},
       {CheckedIs(800, true), TextIs(510, ""), TextIs(511, ""), TextIs(512, ""), TextIs(513, ""),
        CheckedIs(801, false), CheckedIs(802, false)}},
      {"DataBytesAsReceived",
       {"BDG1=OK10D0a"},
       device::ReceiveStartDataTriggers,
       {},
       1,
       {},
       {CheckedIs(801, true), TextIs(514, "0D"), TextIs(515, "0a"), TextIs(516, "")}},
      {"DataBeyondFourBytesIgnored",
       {"EDG2=OK20102030405"},
       device::ReceiveStopDataTriggers,
       {},
       1,
       {},
       {CheckedIs(822, true), TextIs(578, "01"), TextIs(579, "02"), TextIs(580, "03"),
        TextIs(581, "04")}},
      {"DataDisabled",
       {"PBG0=OK0-"},
       device::ReceiveTimestampStartConditions,
       [](PageControls& p) { p.SetChecked(860, true); },
       1,
       {},
       {CheckedIs(860, false)}},
      {"TimeEveryDay",
       {"BTG3=OK371230"},
       device::ReceiveStartTimeTriggers,
       [](PageControls& p) { p.SetComboIndex(313, 4); },
       1,
       {},
       {CheckedIs(813, true), ComboIs(313, 0), TextIs(553, "12"), TextIs(563, "30")}},
      {"TimeSundayKeepsLeadingZeros",
       {"BTG0=OK000905"},
       device::ReceiveStartTimeTriggers,
       {},
       1,
       {},
       {CheckedIs(810, true), ComboIs(310, 7), TextIs(550, "09"), TextIs(560, "05")}},
      {"TimeDisabledResetsTheRow",
       {"ETG2=OK2-"},
       device::ReceiveStopTimeTriggers,
       [](PageControls& p) {
         p.SetChecked(832, true);
         p.SetComboIndex(322, 3);
         p.SetText(602, "5");
         p.SetText(612, "6");
       },
       1,
       {},
       {CheckedIs(832, false), ComboIs(322, 0), TextIs(602, "0"), TextIs(612, "0")}},
      {"SizeBelowTenThousandInByte",
       {"ESG=OK9999"},
       device::ReceiveStopDataSize,
       {},
       1,
       {},
       {CheckedIs(845, true), TextIs(630, "9999"), ComboIs(330, ids::kUnitByte)}},
      {"SizeTenThousandInKByte",
       {"ESG=OK10000"},
       device::ReceiveStopDataSize,
       {},
       1,
       {},
       {TextIs(630, "10"), ComboIs(330, ids::kUnitKByte)}},
      {"SizeJustBelowMByteDisplay",
       {"ESG=OK10238976"},
       device::ReceiveStopDataSize,
       {},
       1,
       {},
       {TextIs(630, "9999"), ComboIs(330, ids::kUnitKByte)}},
      {"SizeInMByte",
       {"ESG=OK10240000"},
       device::ReceiveStopDataSize,
       {},
       1,
       {},
       {TextIs(630, "10"), ComboIs(330, ids::kUnitMByte)}},
      {"SizeLargest",
       {"ESG=OK2097152000"},
       device::ReceiveStopDataSize,
       {},
       1,
       {},
       {TextIs(630, "2000"), ComboIs(330, ids::kUnitMByte)}},
      {"SizeAboveLargestShowsTwoThousand",
       {"ESG=OK2147483647"},
       device::ReceiveStopDataSize,
       {},
       1,
       {},
       {TextIs(630, "2000"), ComboIs(330, ids::kUnitMByte)}},
      {"SizeDisabled",
       {"ESG=OK-"},
       device::ReceiveStopDataSize,
       [](PageControls& p) {
         p.SetChecked(845, true);
         p.SetText(630, "77");
         p.SetComboIndex(330, ids::kUnitByte);
       },
       1,
       {},
       {CheckedIs(845, false), TextIs(630, "1"), ComboIs(330, ids::kUnitMByte)}},
      {"TimestampSize",
       {"PSG=OK12288"},
       device::ReceiveTimestampStopDataSize,
       {},
       1,
       {},
       {CheckedIs(885, true), TextIs(696, "12"), ComboIs(340, ids::kUnitKByte)}},
      {"LogTime",
       {"ELG=OK93784"},
       device::ReceiveStopLogTime,
       {},
       1,
       {},
       {CheckedIs(850, true), TextIs(640, "1"), TextIs(641, "2"), TextIs(642, "3"),
        TextIs(643, "4")}},
      {"LogTimeDisabledKeepsOneDay",
       {"ELG=OK-"},
       device::ReceiveStopLogTime,
       [](PageControls& p) {
         p.SetChecked(850, true);
         for (int id = 640; id <= 643; ++id)
           p.SetText(id, "5");
       },
       1,
       {},
       {CheckedIs(850, false), TextIs(640, "1"), TextIs(641, "0"), TextIs(642, "0"),
        TextIs(643, "0")}},
      {"IdleTime",
       {"EIG=OK500"},
       device::ReceiveStopIdleTime,
       {},
       1,
       {},
       {CheckedIs(840, true), TextIs(620, "500")}},
      {"IdleTimeDisabled",
       {"PIG=OK-"},
       device::ReceiveTimestampStopIdleTime,
       [](PageControls& p) {
         p.SetChecked(880, true);
         p.SetText(695, "42");
       },
       1,
       {},
       {CheckedIs(880, false), TextIs(695, "1")}},
      {"Extension",
       {"LEG=OKABC"},
       device::ReceiveLogFileExtension,
       {},
       1,
       {},
       {TextIs(645, "ABC")}},
      {"ModeOn", {"PMG=OKON"}, device::ReceiveTimestampMode, {}, 1, {}, {ComboIs(335, 1)}},
      {"ModeOff",
       {"PMG=OKOFF"},
       device::ReceiveTimestampMode,
       [](PageControls& p) { p.SetComboIndex(335, 1); },
       1,
       {},
       {ComboIs(335, 0)}},
      {"ModeEmptySelectsLastRow",
       {"PMG=OK"},
       device::ReceiveTimestampMode,
       {},
       1,
       {},
       {ComboIs(335, 1)}},
      {"TypeEmptySelectsLastRow",
       {"PTG=OK"},
       device::ReceiveTimestampType,
       {},
       1,
       {},
       {ComboIs(336, 2)}},
      {"TypeHms", {"PTG=OKHMS"}, device::ReceiveTimestampType, {}, 1, {}, {ComboIs(336, 1)}},
      {"TypeLeadingPart", {"PTG=OKO"}, device::ReceiveTimestampType, {}, 1, {}, {ComboIs(336, 2)}},
      {"TypeUnknownKeepsSelection",
       {"PTG=OKXYZ"},
       device::ReceiveTimestampType,
       [](PageControls& p) { p.SetComboIndex(336, 1); },
       1,
       {},
       {ComboIs(336, 1)}},
      {"TypeLongerThanCodeMatchesNothing",
       {"PTG=OKALLX"},
       device::ReceiveTimestampType,
       [](PageControls& p) { p.SetComboIndex(336, 2); },
       1,
       {},
       {ComboIs(336, 2)}},
      {"SerialOff", {"PNG=OKOFF"}, device::ReceiveTimestampSerialNo, {}, 1, {}, {ComboIs(337, 0)}},
      {"Separator", {"PPG=OK;"}, device::ReceiveTimestampSeparator, {}, 1, {}, {TextIs(646, ";")}},
      {"SeparatorEscape",
       {"PPG=OK\\t"},
       device::ReceiveTimestampSeparator,
       {},
       1,
       {},
       {TextIs(646, "\\t")}},
      {"ExcludedData",
       {"PDG=OK0D0A"},
       device::ReceiveTimestampExcludedData,
       [](PageControls& p) { p.SetText(652, "FF"); },
       1,
       {},
       {TextIs(650, "0D"), TextIs(651, "0A"), TextIs(652, "")}},
  };
}

class ReceiveCommands : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ReceiveCommands, PagesShowTheReply) {
  RunReplyCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Replies, ReceiveCommands, ::testing::ValuesIn(ReceiveCases()),
                         [](const auto& info) { return info.param.name; });

TEST(ReceiveCommandsDefaults, FreshLoggerGivesDefaultPages) {
  // The simulator starts from the default settings, which are also the
  // initial pages: a full receive changes nothing.
  SimConnection connection;
  ASSERT_TRUE(connection.connected);
  ui::MemoryPageControls initial;
  for (auto op : {device::ReceiveStartDataTriggers, device::ReceiveStartTimeTriggers,
                  device::ReceiveStopDataSize, device::ReceiveStopLogTime,
                  device::ReceiveLogFileExtension, device::ReceiveTimestampType,
                  device::ReceiveTimestampSeparator, device::ReceiveTimestampExcludedData}) {
    EXPECT_EQ(op(connection.ctx), 1);
  }
  EXPECT_TRUE(connection.boxes.boxes.empty());
  for (int id : {800, 810, 845, 850})
    EXPECT_EQ(connection.pages.Checked(id), false) << id;
  for (int id : {630, 640, 645, 646, 650, 550}) {
    EXPECT_EQ(connection.pages.Text(id), initial.Text(id)) << id;
  }
  EXPECT_EQ(connection.pages.ComboIndex(336), 0);
  EXPECT_EQ(connection.Sent().front(), "BDG0");
}

}  // namespace
}  // namespace km62rx::testing
