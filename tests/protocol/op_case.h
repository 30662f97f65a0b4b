#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "device/connection.h"
#include "device/device_link.h"
#include "device/open_port.h"
#include "device/qt/qt_serial_line.h"
#include "device/settings_commands.h"
#include "settings/notifier.h"
#include "support/sim_process.h"
#include "ui/memory_page_controls.h"

namespace km62rx::testing {

using Boxes = std::vector<RecordingNotifier::Box>;
using Lines = std::vector<std::string>;

// A simulator answering the wake-up, with a link to it opened and identified as after the connect
// dialog. The settings commands run on in-memory pages and report to a recorder.
struct SimConnection {
  explicit SimConnection(std::vector<std::string> simOptions = {})
      : sim([&] {
          simOptions.insert(simOptions.begin(), "--answer-wake");
          return simOptions;
        }()) {
    connected =
        !sim.path().empty() &&
        device::OpenDevicePort(link, sim.path(), {}) == device::LinkResult::kOk &&
        device::QueryDeviceStatus(link, connectBoxes) == device::HandshakeResult::kConnected;
    EXPECT_TRUE(connected) << "connect to " << sim.path();
    Mark();
  }
  // Lines the simulator received since the last Mark(), without their CR.
  Lines Sent() const {
    Lines lines = sim.ReceivedLines();
    lines.erase(lines.begin(), lines.begin() + static_cast<long>(std::min(mark, lines.size())));
    return lines;
  }
  void Mark() { mark = sim.ReceivedLines().size(); }

  SimProcess sim;
  device::QtSerialLine line;
  device::DeviceLink link{line};
  RecordingNotifier connectBoxes;
  ui::MemoryPageControls pages;
  RecordingNotifier boxes;
  device::CommandContext ctx{link, pages, boxes};
  bool connected = false;
  std::size_t mark = 0;
};

// The state of one page control: set before an operation or expected after.
struct PageValue {
  std::function<void(device::PageControls&)> set;
  std::function<void(const device::PageControls&)> expect;
};
inline PageValue Text(int id, std::string text) {
  return {[=](auto& p) { p.SetText(id, text); },
          [=](const auto& p) { EXPECT_EQ(p.Text(id), text) << "text of " << id; }};
}
inline PageValue Check(int id, bool checked = true) {
  return {[=](auto& p) { p.SetChecked(id, checked); },
          [=](const auto& p) { EXPECT_EQ(p.Checked(id), checked) << "check box " << id; }};
}
inline PageValue Combo(int id, int index) {
  return {[=](auto& p) { p.SetComboIndex(id, index); },
          [=](const auto& p) { EXPECT_EQ(p.ComboIndex(id), index) << "combo " << id; }};
}
using PageValues = std::vector<PageValue>;

inline void SetPages(device::PageControls& pages, const PageValues& values) {
  for (const PageValue& v : values)
    v.set(pages);
}
inline void ExpectPages(const device::PageControls& pages, const PageValues& values) {
  for (const PageValue& v : values)
    v.expect(pages);
}

// A step result as the tables write it: 1 done, 0 refused, -1 link failed.
inline int TableResult(device::StepResult result) {
  return result == device::StepResult::kDone ? 1
                                             : (result == device::StepResult::kRefused ? 0 : -1);
}

}  // namespace km62rx::testing
