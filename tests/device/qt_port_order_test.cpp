#include <gtest/gtest.h>

#include "device/qt/port_discovery.h"

namespace km62rx::device {
namespace {

TEST(PortOrderTest, UsbPortsComeFirstEachGroupInPlatformOrder) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(
      OrderedPortNames({{"ttyS0", false}, {"ttyUSB1", true}, {"ttyS1", false}, {"ttyACM0", true}}),
      (Names{"ttyUSB1", "ttyACM0", "ttyS0", "ttyS1"}));
  EXPECT_EQ(OrderedPortNames({{"COM1", false}, {"COM4", false}}), (Names{"COM1", "COM4"}));
}

}  // namespace
}  // namespace km62rx::device
