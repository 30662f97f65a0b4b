// The connection panel and the availability of the device-dependent
// controls in each connection state.
#include "device/connection.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

const std::vector<int>& TimestampControls() {
  static const std::vector<int> ids = [] {
    std::vector<int> v = {335, 336, 337, 646, 880, 695, 885, 696, 340};
    for (int k = 0; k < 10; ++k)
      v.push_back(650 + k);
    for (int r = 0; r < 3; ++r) {
      v.push_back(860 + r);
      v.push_back(870 + r);
      for (int k = 0; k < 4; ++k) {
        v.push_back(660 + 4 * r + k);
        v.push_back(680 + 4 * r + k);
      }
    }
    return v;
  }();
  return ids;
}

struct StateCase {
  const char* name;
  int connected;
  int sdState;
  int firmware;
  int timestampSupported;
  const char* statusLine;
  const char* sdLine;
  bool clockButtons;     // 420, 421
  bool transferButtons;  // 415, 416
  bool timestamp;
};

class LinkStateTest : public WindowTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(LinkStateTest, PanelAndControlsFollowTheLink) {
  const StateCase& c = GetParam();
  device::DeviceLink& link = window->Link();
  link.connected = c.connected;
  link.sdState = c.sdState;
  link.firmwareVersion = c.firmware;
  link.timestampSupported = c.timestampSupported;
  device::RefreshLinkStatus(link);

  EXPECT_EQ(controls().Text(200), c.statusLine);
  EXPECT_EQ(controls().Text(201), c.sdLine);
  EXPECT_EQ(controls().Text(400), c.connected ? "再接続" : "接続");
  EXPECT_EQ(controls().Enabled(401), c.connected == 1);
  EXPECT_TRUE(controls().Enabled(400));
  for (int id : {420, 421})
    EXPECT_EQ(controls().Enabled(id), c.clockButtons) << id;
  for (int id : {415, 416})
    EXPECT_EQ(controls().Enabled(id), c.transferButtons) << id;
  for (int id : {417, 418, 422})
    EXPECT_TRUE(controls().Enabled(id)) << id;
  for (int id : TimestampControls())
    EXPECT_EQ(controls().Enabled(id), c.timestamp) << id;
  EXPECT_TRUE(controls().Enabled(800));  // other page controls are never touched
  EXPECT_TRUE(controls().Enabled(645));

  // A page switch re-applies the same state.
  controls().SetEnabled(415, !c.transferButtons);
  controls().SetEnabled(650, !c.timestamp);
  ClickPage(11);
  EXPECT_EQ(controls().Enabled(415), c.transferButtons);
  EXPECT_EQ(controls().Enabled(650), c.timestamp);
}

INSTANTIATE_TEST_SUITE_P(
    States, LinkStateTest,
    ::testing::Values(
        StateCase{"disconnected", 0, 0, 0, 1, "接続状態 : 未接続", "SDカード : 未接続", false,
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

TEST_F(WindowTest, StartsDisconnected) {
  EXPECT_EQ(controls().Text(200), "接続状態 : 未接続");
  EXPECT_EQ(controls().Text(201), "SDカード : 未接続");
  EXPECT_EQ(controls().Text(400), "接続");
  EXPECT_FALSE(controls().Enabled(401));
  for (int id : {415, 416, 420, 421})
    EXPECT_FALSE(controls().Enabled(id)) << id;
}

TEST_F(WindowTest, DisconnectButtonClosesTheLinkAndEnablesTimestampControlsAgain) {
  ASSERT_TRUE(line->Open("ttyFAKE", {}));
  device::DeviceLink& link = window->Link();
  link.connected = 1;
  link.sdState = 1;
  link.firmwareVersion = 100;
  link.timestampSupported = 0;
  device::RefreshLinkStatus(link);
  ASSERT_FALSE(controls().Enabled(335));
  QTest::mouseClick(widget(401), Qt::LeftButton);
  EXPECT_FALSE(line->IsOpen());
  EXPECT_EQ(link.connected, 0);
  EXPECT_EQ(controls().Text(200), "接続状態 : 未接続");
  EXPECT_EQ(controls().Text(400), "接続");
  EXPECT_FALSE(controls().Enabled(401));
  EXPECT_TRUE(controls().Enabled(335));
  EXPECT_FALSE(controls().Enabled(420));
}

}  // namespace
}  // namespace km62rx::testing
