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

// On Windows every name is the system's own (COM3, \\.\COM10) and stays as it is.
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
  for (const auto& [name, path] : cases) {
#ifdef _WIN32
    EXPECT_EQ(DevicePath(name), name);
#else
    EXPECT_EQ(DevicePath(name), path);
#endif
  }
}

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
