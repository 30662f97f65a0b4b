#pragma once

#include <string>
#include <vector>

#include "device/device_link.h"
#include "device/qt/qt_serial_line.h"
#include "device/settings_commands.h"
#include "settings/notifier.h"
#include "support/sim_process.h"
#include "ui/memory_page_controls.h"

namespace km62rx::testing {

// A logger simulator (answering the wake-up) with a connected link to it:
// the port is open, the logger identified and its status read, as after the
// connect dialog. The settings commands run on in-memory pages and report to
// a recorder.
class SimConnection {
 public:
  explicit SimConnection(std::vector<std::string> simOptions = {});

  // Lines the simulator received since the last Mark() (at first: since the
  // handshake), in order.
  std::vector<std::string> Sent() const;
  void Mark();

  SimProcess sim;
  device::QtSerialLine line;
  device::DeviceLink link{line};
  RecordingNotifier connectBoxes;
  ui::MemoryPageControls pages;
  RecordingNotifier boxes;
  device::CommandContext ctx{link, pages, boxes};
  bool connected = false;

 private:
  std::size_t mark_ = 0;
};

}  // namespace km62rx::testing
