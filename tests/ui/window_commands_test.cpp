#include "ui/window_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/control_ids.h"
#include "device/link_status.h"
#include "support/fake_serial_line.h"
#include "ui/memory_page_controls.h"

namespace km62rx::ui {
namespace {

using testing::FakeSerialLine;

constexpr int kDeviceButtons[] = {415, 416, 420, 421};

// Records what the commands ask of the front end; while a dialog "runs" or a
// box is shown, it looks at the device buttons and the busy state.
class RecordingHost : public WindowHost, public Notifier {
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
  void Show(std::string_view title, std::string_view) override {
    calls.push_back("box " + std::string(title));
    Look();
  }

  // The device buttons, then whether the cursor was busy, when first seen
  // during a command.
  void Look() {
    if (!seen.empty())
      return;
    for (int id : kDeviceButtons)
      seen.push_back(pages_.Enabled(id));
    seen.push_back(busy > 0);
  }

  std::vector<std::string> calls;
  std::vector<bool> seen;
  int busy = 0;

 private:
  device::PageControls& pages_;
};

class WindowCommands : public ::testing::Test {
 protected:
  WindowCommands() {
    line_.Open("ttyFAKE", {});
    link_.connected = 1;
    link_.sdState = 1;
    link_.firmwareVersion = 101;
    device::ApplyControlAvailability(pages_, 1, 1, link_.timestampSupported);
    // Every request is answered OK with its own parameters.
    line_.responder = [this](std::string_view sent) -> FakeSerialLine::Answer {
      host_.Look();
      return {{0, "OK" + std::string(sent.size() > 3 ? sent.substr(3, sent.size() - 4) : "") +
                      "\r"}};
    };
  }

  bool Run(int id) {
    host_.calls.clear();
    host_.seen.clear();
    return RunWindowCommand(id, ctx_);
  }

  FakeSerialLine line_;
  device::DeviceLink link_{line_};
  MemoryPageControls pages_;
  RecordingHost host_{pages_};
  const FixedClock clock_{2026, 3, 5, 7, 8, 9};
  WindowCommandContext ctx_{link_, pages_, host_, clock_, host_};
};

// What each ID runs, and which commands turn the device buttons off and the
// cursor busy while they talk to the logger; afterwards the buttons show the
// link's state again and nothing is left busy.
TEST_F(WindowCommands, EachIdRunsItsCommand) {
  struct Case {
    int id;
    std::vector<std::string> calls;  // the front end's part, in order
    bool buttonsOff, busy;           // as seen while it ran (none: not looked at)
    bool looked;
  };
  const Case cases[] = {
      {100, {"close"}, false, false, false},
      {101, {"about"}, false, false, false},
      {400, {"connect"}, false, false, false},
      {417, {"chooser"}, false, false, false},
      {418, {"chooser"}, false, false, false},
      {415, {}, true, true, true},
      {416, {}, true, true, true},
      {420, {}, true, true, true},
      {421, {"clock1"}, true, false, true},
      {422, {"clock0"}, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    ASSERT_TRUE(Run(c.id));
    std::vector<std::string> calls;
    for (const std::string& call : host_.calls) {
      if (call.rfind("box ", 0) != 0)  // the boxes a run ends with
        calls.push_back(call);
    }
    EXPECT_EQ(calls, c.calls);
    if (c.looked) {
      const bool on = !c.buttonsOff;
      EXPECT_EQ(host_.seen, (std::vector<bool>{on, on, on, on, c.busy}));
    }
    EXPECT_EQ(host_.busy, 0);
    for (int id : kDeviceButtons)
      EXPECT_TRUE(pages_.Enabled(id)) << id;
  }
  EXPECT_EQ(line_.written.back(), "TMS260305070809\r");  // 420 sent the PC time

  EXPECT_TRUE(Run(401));
  EXPECT_EQ(link_.connected, 0);
  EXPECT_FALSE(line_.IsOpen());
  EXPECT_FALSE(Run(402));
}

}  // namespace
}  // namespace km62rx::ui
