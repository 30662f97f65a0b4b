#pragma once

#include <memory>

#include "app/window_fixture.h"
#include "device/posix/serial_line.h"
#include "support/sim_process.h"
#include "support/temp_folder.h"

namespace km62rx::testing {

// The window over the termios line to the simulator, which is the only
// port listed; until StartSim the window has the scripted line.
class SimWindowTest : public WindowTest {
 protected:
  void StartSim(Options options) {
    Start(nullptr);
    boxes.clear();
    sim = std::make_unique<SimProcess>(std::move(options));
    ports = {sim->path()};
    Start(std::make_unique<device::PosixSerialLine>());
  }
  std::vector<std::string> SimLines() const { return sim->ReceivedLines(); }

  std::unique_ptr<SimProcess> sim;
};

}  // namespace km62rx::testing
