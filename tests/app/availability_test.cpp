// The connection panel and the controls that depend on the logger, in each
// connection state.
#include "device/control_ids.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

struct StateCase {
  const char* name;
  int connected, sdState, firmware, timestampSupported;
  const char* statusLine;
  const char* sdLine;
  bool clockButtons;     // 420, 421
  bool transferButtons;  // 415, 416
  bool timestamp;        // the timestamp page's controls
};

class LinkStateTest : public WindowTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(LinkStateTest, PanelAndControlsFollowTheLink) {
  const StateCase& c = GetParam();
  SetLink(c.connected, c.sdState, c.firmware, c.timestampSupported);
  EXPECT_EQ(Text(ids::kStatusLine), c.statusLine);
  EXPECT_EQ(Text(ids::kSdLine), c.sdLine);
  EXPECT_EQ(Text(ids::kConnectButton), c.connected ? "再接続" : "接続");
  EXPECT_EQ(controls().Enabled(ids::kDisconnectButton), c.connected == 1);
  for (int id : {420, 421})
    EXPECT_EQ(controls().Enabled(id), c.clockButtons) << id;
  for (int id : {415, 416})
    EXPECT_EQ(controls().Enabled(id), c.transferButtons) << id;
  // A sample of the timestamp page: combos, separator, bytes, checks, fields.
  for (int id : {335, 337, 646, 650, 659, 860, 872, 660, 691, 695, 696, 340})
    EXPECT_EQ(controls().Enabled(id), c.timestamp) << id;
  for (int id : {400, 417, 418, 422, 800, 645})  // never touched
    EXPECT_TRUE(controls().Enabled(id)) << id;

  // A page switch applies the same state again.
  controls().SetEnabled(ids::kSendButton, !c.transferButtons);
  controls().SetEnabled(ids::ExcludedByte(0), !c.timestamp);
  ClickPage(11);
  EXPECT_EQ(controls().Enabled(ids::kSendButton), c.transferButtons);
  EXPECT_EQ(controls().Enabled(ids::ExcludedByte(0)), c.timestamp);
}

INSTANTIATE_TEST_SUITE_P(
    States, LinkStateTest,
    ::testing::Values(
        StateCase{"disconnected", 0, 0, 100, 0, "接続状態 : 未接続", "SDカード : 未接続", false,
                  false, true},
        StateCase{"no_card", 1, 0, 101, 1, "接続状態 : 接続中 (ファームウェア Ver1.01)",
                  "SDカード : 未接続", true, false, true},
        StateCase{"protected", 1, 3, 100, 1, "接続状態 : 接続中 (ファームウェア Ver1.00)",
                  "SDカード : 書込保護", true, false, true},
        StateCase{"usable", 1, 1, 123, 1, "接続状態 : 接続中 (ファームウェア Ver1.23)",
                  "SDカード : 接続中", true, true, true},
        StateCase{"old_firmware", 1, 1, 100, 0, "接続状態 : 接続中 (ファームウェア Ver1.00)",
                  "SDカード : 接続中", true, true, false}),
    [](const ::testing::TestParamInfo<StateCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace km62rx::testing
