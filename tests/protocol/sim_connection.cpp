#include "sim_connection.h"

#include <gtest/gtest.h>

#include "device/connection.h"
#include "device/exchange.h"
#include "device/link_errors.h"
#include "device/open_port.h"

namespace km62rx::testing {

SimConnection::SimConnection(std::vector<std::string> simOptions)
    : sim([&] {
        simOptions.insert(simOptions.begin(), "--answer-wake");
        return simOptions;
      }()) {
  if (sim.path().empty())
    return;
  const device::LinkResult opened =
      device::OpenDevicePort(link, sim.path(), device::LineSettings{});
  EXPECT_EQ(opened, device::LinkResult::kOk) << "connect to " << sim.path();
  if (opened != device::LinkResult::kOk)
    return;
  connected = device::QueryDeviceStatus(link, connectBoxes) == device::HandshakeResult::kConnected;
  EXPECT_TRUE(connected);
  Mark();
}

std::vector<std::string> SimConnection::Sent() const {
  std::vector<std::string> lines = sim.ReceivedLines();
  if (lines.size() <= mark_)
    return {};
  return {lines.begin() + static_cast<long>(mark_), lines.end()};
}

void SimConnection::Mark() {
  mark_ = sim.ReceivedLines().size();
}

}  // namespace km62rx::testing
