#include "device/port_path.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <string>
#include <utility>

#include "support/temp_folder.h"

namespace km62rx::device {
namespace {

TEST(PortPathTest, NamesBecomeDevicePaths) {
  const std::string here = std::filesystem::current_path().string();
  const std::pair<std::string, std::string> cases[] = {
      {"ttyUSB0", "/dev/ttyUSB0"},
      {"/dev/serial/by-id/usb-x", "/dev/serial/by-id/usb-x"},
      {"./sim_a", here + "/sim_a"},
      {"sub//./sim_a", here + "/sub/sim_a"},
      {"../sim_a", here + "/../sim_a"},  // through a link, ".." need not be the folder before
      {"socket://host:4001", "socket://host:4001"},
      {"COM3", "/dev/COM3"},
  };
#ifndef _WIN32
  for (const auto& [name, path] : cases)
    EXPECT_EQ(DevicePath(name), path);
#endif
}

#ifdef _WIN32
// A bare name is a device; COM3, com3 and \\.\COM3 are one port.
TEST(PortPathTest, WindowsNamesBecomeDevicePaths) {
  EXPECT_EQ(DevicePath("COM10"), "\\\\.\\COM10");
  EXPECT_EQ(DevicePath("\\\\.\\COM10"), "\\\\.\\COM10");
  EXPECT_EQ(DevicePath("C:\\dev\\x"), "C:\\dev\\x");
  for (const char* name : {"COM3", "com3", "\\\\.\\COM3", "\\\\.\\com3"})
    EXPECT_EQ(PortIdentity(name), "\\\\.\\COM3") << name;
  EXPECT_EQ(PortIdentity("socket://Host:4001"), "socket://Host:4001");
}
#endif

#ifndef _WIN32
TEST(PortPathTest, NamesOfOneDeviceShareItsIdentity) {
  const testing::TempFolder folder;
  ASSERT_EQ(symlink("/dev/null", folder.File("link").c_str()), 0);
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  for (const char* name : {"null", "/dev/null", "./link", "././link"})
    EXPECT_EQ(PortIdentity(name), "/dev/null") << name;
  EXPECT_EQ(PortIdentity(folder.File("link")), "/dev/null");
  std::filesystem::current_path(before);
  EXPECT_EQ(PortIdentity("no-such-port"), "/dev/no-such-port");
  EXPECT_EQ(PortIdentity("socket://host:4001"), "socket://host:4001");
}
#endif

}  // namespace
}  // namespace km62rx::device
