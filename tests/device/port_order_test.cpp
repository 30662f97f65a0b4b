#include <gtest/gtest.h>

#include <sys/stat.h>

#include <optional>
#include <tuple>

#include "device/port_discovery.h"
#include "device/usb_instance_id.h"

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

// The facts of a Windows device instance ID: a serial number Windows made up (marked by '&') is
// none, and an FTDI driver's ID carries the port's letter after it.
TEST(PortOrderTest, UsbFactsFromWindowsInstanceIds) {
  using Facts = std::tuple<std::optional<std::uint16_t>, std::optional<std::uint16_t>, std::string>;
  const std::pair<const char*, Facts> cases[] = {
      {"USB\\VID_0403&PID_6001\\A50285BI", {0x0403, 0x6001, "A50285BI"}},
      {"usb\\vid_067b&pid_2303\\5&1A2B3C4&0&2", {0x067b, 0x2303, ""}},
      {"FTDIBUS\\VID_0403+PID_6001+A50285BIA\\0000", {0x0403, 0x6001, "A50285BI"}},
      {"ACPI\\PNP0501\\1", {}},
      {"USB\\VID_04G3&PID_6001\\X", {}},
  };
  for (const auto& [id, facts] : cases) {
    const UsbInstanceFacts got = ParseUsbInstanceId(id);
    EXPECT_EQ(Facts(got.vendorId, got.productId, got.serialNumber), facts) << id;
  }
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
