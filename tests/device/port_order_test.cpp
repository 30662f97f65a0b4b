#include <gtest/gtest.h>

#include <sys/stat.h>

#include "device/port_discovery.h"

namespace km62rx::device {
namespace {

using Names = std::vector<std::string>;

Names Ordered(std::vector<PortDescription> ports) {
  OrderPorts(ports);
  Names names;
  for (const PortDescription& port : ports)
    names.push_back(port.name);
  return names;
}

TEST(PortOrderTest, UsbPortsComeFirstEachGroupInNaturalOrder) {
  const std::uint16_t ftdi = 0x0403;
  EXPECT_EQ(Ordered({{.name = "ttyS10"},
                     {.name = "ttyUSB10", .vendorId = ftdi},
                     {.name = "ttyS2"},
                     {.name = "ttyACM0", .vendorId = ftdi},
                     {.name = "ttyUSB9", .vendorId = ftdi},
                     {.name = "ttyS02"}}),
            (Names{"ttyACM0", "ttyUSB9", "ttyUSB10", "ttyS2", "ttyS02", "ttyS10"}));
  EXPECT_EQ(Ordered({{.name = "COM10"}, {.name = "COM2"}, {.name = "COM1"}}),
            (Names{"COM1", "COM2", "COM10"}));
}

#ifdef __linux__
// Whatever the machine has: every port listed is a device node of its own
// name, and a legacy port without a UART behind it is never among them.
TEST(PortOrderTest, ListsTheTerminalsWithARealDeviceBehindThem) {
  for (const PortDescription& port : DescribeSerialPorts()) {
    struct stat info {};
    ASSERT_EQ(::stat(port.location.c_str(), &info), 0) << port.location;
    EXPECT_TRUE(S_ISCHR(info.st_mode)) << port.location;
    EXPECT_EQ(port.location, "/dev/" + port.name);
  }
}
#endif

}  // namespace
}  // namespace km62rx::device
