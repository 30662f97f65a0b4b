// The window's rules below the widgets: its commands, the clock dialog, the connection panel and
// the page switch.
#include "ui/window_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "device/control_ids.h"
#include "device/link_status.h"
#include "support/fake_serial_line.h"
#include "ui/clock_model.h"
#include "ui/link_panel.h"
#include "ui/memory_page_controls.h"
#include "ui/page_switch_model.h"

namespace km62rx::ui {
namespace {

constexpr int kDeviceButtons[] = {415, 416, 420, 421};

// Records what the commands and the clock dialog ask of the front end. When a dialog runs or a
// request reaches the logger it looks, once, at the device buttons and the busy cursor.
class RecordingHost : public WindowHost {
 public:
  explicit RecordingHost(device::PageControls& pages) : pages_(pages) {}
  void CloseWindow() override { calls.push_back("close"); }
  void RunAboutBox() override { calls.push_back("about"); }
  void RunConnectDialog() override { calls.push_back("connect"); }
  void RunClockDialog(int target) override {
    calls.push_back("clock" + std::to_string(target));
    Look();
  }
  void SetBusy(bool on) override { busy += on ? 1 : -1; }
  std::unique_ptr<FileChooser> MakeFileChooser() override {
    calls.push_back("chooser");
    return std::make_unique<FixedFileChooser>(std::nullopt);
  }
  void Look() {
    if (!seen.empty())
      return;
    for (int id : kDeviceButtons)
      seen.push_back(pages_.Enabled(id));
    seen.push_back(busy > 0);
  }
  std::vector<std::string> calls;
  std::vector<bool> seen;  // the device buttons, then the busy cursor
  int busy = 0;

 private:
  device::PageControls& pages_;
};

// What each ID runs; the commands that talk to the logger run with the
// device buttons off and (but for the clock dialog) under the busy cursor;
// afterwards the buttons show the link's state again and nothing is busy.
TEST(WindowCommands, EachIdRunsItsCommand) {
  testing::FakeSerialLine line;
  line.Open("ttyFAKE", {});
  device::DeviceLink link(line);
  link.connected = link.sdState = 1;
  link.firmwareVersion = 101;
  MemoryPageControls pages;
  device::ApplyControlAvailability(pages, 1, 1, link.timestampSupported);
  RecordingHost host(pages);
  RecordingNotifier boxes;
  const FixedClock clock(2026, 3, 5, 7, 8, 9);
  WindowCommandContext ctx{link, pages, boxes, clock, host};
  line.responder = [&](std::string_view sent) -> testing::FakeSerialLine::Answer {
    host.Look();  // every request is answered OK with its own parameters
    return {{0, "OK" + std::string(sent.size() > 3 ? sent.substr(3, sent.size() - 4) : "") + "\r"}};
  };

  struct Case {
    int id;
    std::vector<std::string> calls;
    std::vector<bool> seen;
  };
  const std::vector<bool> off{false, false, false, false, true}, none;
  const Case cases[] = {
      {100, {"close"}, none},
      {101, {"about"}, none},
      {400, {"connect"}, none},
      {417, {"chooser"}, none},
      {418, {"chooser"}, none},
      {415, {}, off},
      {416, {}, off},
      {420, {}, off},
      {421, {"clock1"}, {false, false, false, false, false}},
      {422, {"clock0"}, {true, true, true, true, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    host.calls.clear();
    host.seen.clear();
    ASSERT_TRUE(RunWindowCommand(c.id, ctx));
    EXPECT_EQ(host.calls, c.calls);
    EXPECT_EQ(host.seen, c.seen);
    EXPECT_EQ(host.busy, 0);
    for (int id : kDeviceButtons)
      EXPECT_TRUE(pages.Enabled(id)) << id;
  }
  EXPECT_EQ(line.written.back(), "TMS260305070809\r");  // 420 sent the PC time

  EXPECT_TRUE(RunWindowCommand(401, ctx));
  EXPECT_EQ(link.connected, 0);
  EXPECT_FALSE(line.IsOpen());
  EXPECT_FALSE(RunWindowCommand(402, ctx));
}

// The clock dialog: the PC time without leading zeros; OK clamps the focused field, keeps the day
// in its month, turns the buttons off and sends the typed time under the busy cursor, or asks for
// a file to store it in.
TEST(ClockModel, FillAndOk) {
  MemoryPageControls dialog;
  FillClockFields(dialog, FixedClock(2026, 3, 5, 7, 8, 9));
  std::vector<std::string> fields;
  for (int id : ids::kClockFields)
    fields.push_back(dialog.Text(id));
  EXPECT_EQ(fields, (std::vector<std::string>{"2026", "3", "5", "7", "8", "9"}));

  testing::FakeSerialLine line;
  line.Open("ttyFAKE", {});
  device::DeviceLink link(line);
  link.connected = 1;
  RecordingNotifier own, main;
  RecordingHost host(dialog);
  line.responder = [&](std::string_view) -> testing::FakeSerialLine::Answer {
    host.Look();
    return {{0, "OK260228230809\r"}};
  };
  dialog.SetText(ids::kClockMonth, "2");
  dialog.SetText(ids::kClockDay, "31");
  dialog.SetText(ids::kClockHour, "99");  // still focused
  ApplyClockDialog(1, ids::kClockHour, dialog, link, own, main, host);
  EXPECT_EQ(line.written, std::vector<std::string>{"TMS260228230809\r"});
  EXPECT_TRUE(host.seen.back());  // busy while the request went out
  EXPECT_EQ(host.busy, 0);
  for (int id : {ids::kClockOkButton, ids::kClockCancelButton, ids::kPcTimeButton})
    EXPECT_FALSE(dialog.Enabled(id)) << id;
  ASSERT_EQ(own.boxes.size(), 1u);
  EXPECT_EQ(own.boxes[0].title, "本体時刻設定");
  EXPECT_TRUE(main.boxes.empty());

  ApplyClockDialog(0, 0, dialog, link, own, main, host);  // the file: cancelled
  EXPECT_EQ(host.calls, std::vector<std::string>{"chooser"});
  EXPECT_EQ(line.written.size(), 1u);
  EXPECT_EQ(own.boxes.size() + main.boxes.size(), 1u);
}

// The connection panel and the controls that depend on the logger, in each
// connection state.
TEST(LinkPanel, PanelAndControlsFollowTheLink) {
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
  testing::FakeSerialLine line;
  device::DeviceLink link(line);
  MemoryPageControls pages;
  LinkPanel panel(pages, [&](int connected, int sdState) {
    device::ApplyControlAvailability(pages, connected, sdState, link.timestampSupported);
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.status) + c.sdLine);
    std::tie(link.connected, link.sdState, link.firmwareVersion, link.timestampSupported) =
        std::tie(c.connected, c.sdState, c.firmware, c.timestampSupported);
    panel.LinkStatusChanged(link);
    EXPECT_EQ(pages.Text(ids::kStatusLine), std::string("接続状態 : ") + c.status);
    EXPECT_EQ(pages.Text(ids::kSdLine), c.sdLine);
    EXPECT_EQ(pages.Text(ids::kConnectButton), c.connected ? "再接続" : "接続");
    EXPECT_EQ(pages.Enabled(ids::kDisconnectButton), c.connected == 1);
    const std::pair<std::vector<int>, bool> groups[] = {
        {{420, 421}, c.clock},
        {{415, 416}, c.transfer},
        {{335, 337, 646, 650, 659, 860, 872, 660, 691, 695, 696, 340}, c.timestamp},
        {{400, 417, 418, 422, 800, 645}, true},  // never touched
    };
    for (const auto& [group, enabled] : groups) {
      for (int id : group)
        EXPECT_EQ(pages.Enabled(id), enabled) << id;
    }
  }
}

// A click posts the switch, which reads the selection when it runs (no
// selection hides every page) and applies the availability after the page.
TEST(PageSwitchModelTest, AClickSwitchesToTheSelectionOnceHandled) {
  std::vector<std::function<void()>> posted;
  std::vector<std::string> seen;
  int selected = 3;
  PageSwitchModel model({[&](std::function<void()> call) { posted.push_back(call); },
                         [&] { return selected; },
                         [&](int page) { seen.push_back(std::to_string(page)); },
                         [&] { seen.push_back("availability"); }});
  for (const int page : {5, 0}) {
    model.Click();
    EXPECT_EQ(seen.size(), 2 * posted.size() - 2);
    selected = page;  // the tree handles the click after it was posted
    posted.back()();
    EXPECT_EQ(model.CurrentPage(), page);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"5", "availability", "0", "availability"}));
}

}  // namespace
}  // namespace km62rx::ui
