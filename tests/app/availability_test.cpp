// The connection panel and the controls that depend on the logger, in each
// connection state and while a command runs.
#include "device/control_ids.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

TEST_F(WindowTest, PanelAndControlsFollowTheLink) {
  struct Case {
    int connected, sdState, firmware, timestampSupported;
    const char* status;  // after "接続状態 : "
    const char* sdLine;
    bool clock, transfer, timestamp;  // buttons 420-421, buttons 415-416, the timestamp page
  };
  const Case cases[] = {
      {0, 0, 100, 0, "未接続", "SDカード : 未接続", false, false, true},
      {1, 3, 100, 1, "接続中 (ファームウェア Ver1.00)", "SDカード : 書込保護", true, false, true},
      {1, 1, 123, 1, "接続中 (ファームウェア Ver1.23)", "SDカード : 接続中", true, true, true},
      {1, 1, 100, 0, "接続中 (ファームウェア Ver1.00)", "SDカード : 接続中", true, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.status) + c.sdLine);
    SetLink(c.connected, c.sdState, c.firmware, c.timestampSupported);
    EXPECT_TEXT(Text(ids::kStatusLine), std::string("接続状態 : ") + c.status);
    EXPECT_TEXT(Text(ids::kSdLine), c.sdLine);
    EXPECT_TEXT(Text(ids::kConnectButton), c.connected ? "再接続" : "接続");
    EXPECT_EQ(controls().Enabled(ids::kDisconnectButton), c.connected == 1);
    const std::pair<std::vector<int>, bool> groups[] = {
        {{420, 421}, c.clock},
        {{415, 416}, c.transfer},
        {{335, 337, 646, 650, 659, 860, 872, 660, 691, 695, 696, 340}, c.timestamp},
        {{400, 417, 418, 422, 800, 645}, true},  // never touched
    };
    for (const auto& [group, enabled] : groups) {
      for (int id : group)
        EXPECT_EQ(controls().Enabled(id), enabled) << id;
    }
    // A page switch applies the same state again.
    controls().SetEnabled(ids::kSendButton, !c.transfer);
    controls().SetEnabled(ids::ExcludedByte(0), !c.timestamp);
    ClickPage(11);
    EXPECT_EQ(controls().Enabled(ids::kSendButton), c.transfer);
    EXPECT_EQ(controls().Enabled(ids::ExcludedByte(0)), c.timestamp);
  }
}

}  // namespace
}  // namespace km62rx::testing
