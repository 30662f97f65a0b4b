// What the connect dialog and the ports file give: line settings from the dialog's choices, and
// network port names.
#include <gtest/gtest.h>

#include "device/line_choices.h"
#include "device/network_port.h"
#include "device/port_list.h"

namespace km62rx::device {
namespace {

TEST(LineChoicesTest, ChoicesMapToLineSettingsOrNothing) {
  const std::tuple<int, int, int, int, std::optional<LineSettings>> cases[] = {
      {0, 0, 0, 0, LineSettings{115200, 8, kParityNone, kTwoStopBits, 0, 0}},
      {0, 1, 3, 0, LineSettings{9600, 8, kParityEven, kOneStopBit, 1, 0}},
      {0, 2, 3, 1, LineSettings{9600, 8, kParityOdd, kOneStopBit, 1, 1}},
      {1, 0, 7, 1, LineSettings{600, 7, kParityNone, kTwoStopBits, 0, 1}},
      {0, 3, 0, 0, std::nullopt},
      {0, -1, 0, 0, std::nullopt},
      {2, 0, 0, 0, std::nullopt},
      {0, 0, 8, 0, std::nullopt},
      {0, 0, 0, 2, std::nullopt}};
  for (const auto& [a, b, c, d, want] : cases)
    EXPECT_EQ(LineSettingsFromChoices(a, b, c, d), want) << a << b << c << d;
}

TEST(NetworkPortTest, NamesParseToHostAndPortOrNothing) {
  const std::pair<const char*, std::optional<NetworkAddress>> cases[] = {
      {"socket://192.168.1.20:4001", NetworkAddress{"192.168.1.20", 4001}},
      {"socket://pi-lab.local:2000", NetworkAddress{"pi-lab.local", 2000}},
      {"socket://[::1]:65535", NetworkAddress{"::1", 65535}},
      {"socket://[fe80::1%eth0]:1", NetworkAddress{"fe80::1%eth0", 1}},
      {"socket://::1:4001", std::nullopt},  // IPv6 without brackets
      {"socket://[pi]:4001", std::nullopt},
      {"socket://host", std::nullopt},
      {"socket://:4001", std::nullopt},
      {"socket://host:0", std::nullopt},
      {"socket://host:65536", std::nullopt},
      {"socket://ho st:4001", std::nullopt},
      {"/dev/ttyUSB0", std::nullopt},
  };
  for (const auto& [name, want] : cases)
    EXPECT_EQ(ParseNetworkPortName(name), want) << name;
  EXPECT_TRUE(IsNetworkPortName("socket://host"));
  EXPECT_FALSE(IsNetworkPortName("ttyUSB0"));
}

TEST(NetworkPortTest, PortsFileAndOfferedOrder) {
  EXPECT_EQ(ParsePortList("# lab\n socket://pi:4001 \r\n\n/dev/ttyUSB0# bench\n\t#x\nCOM3"),
            (std::vector<std::string>{"socket://pi:4001", "/dev/ttyUSB0", "COM3"}));
  std::vector<std::string> ports = {"ttyUSB0", "socket://pi:4001"};
  AppendMissingPorts(ports, {"socket://pi:4001", "socket://[::1]:4002", "ttyUSB0"});
  EXPECT_EQ(ports,
            (std::vector<std::string>{"ttyUSB0", "socket://pi:4001", "socket://[::1]:4002"}));
}

}  // namespace
}  // namespace km62rx::device
