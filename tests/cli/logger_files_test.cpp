#include "cli/logger_files.h"

#include <gtest/gtest.h>

namespace km62rx::cli {
namespace {

TEST(LoggerFiles, NamedAfterThePort) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"/dev/ttyUSB0", "ttyUSB0.CFG"},
      {"ttyUSB0", "ttyUSB0.CFG"},
      {"/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0",
       "usb-FTDI_FT232R_A50285BI-if00-port0.CFG"},
      {"COM3", "COM3.CFG"},
      {"\\\\.\\COM10", "COM10.CFG"},
      {"socket://192.168.1.20:4001", "192.168.1.20_4001.CFG"},
      {"socket://[::1]:4001", "__1_4001.CFG"},
      {"socket://lab/../x:2000", "lab_.._x_2000.CFG"},
      {"/dev/..", "_...CFG"},
      {"/dev/", "_.CFG"},
  };
  for (const auto& [port, name] : cases)
    EXPECT_EQ(LoggerFileName(port), name) << port;
}

}  // namespace
}  // namespace km62rx::cli
