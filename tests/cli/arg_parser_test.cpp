#include "cli/arg_parser.h"

#include <gtest/gtest.h>

#include "cli/logger_files.h"

namespace km62rx::cli {
namespace {

ArgParser DeviceParser() {
  ArgParser parser("receive");
  parser.Option("--port").Option("--output", "-o").Flag("--trace");
  parser.Positionals(0, 1);
  return parser;
}

TEST(ArgParser, OptionsFlagsAndPositionals) {
  struct Case {
    Args args;
    std::optional<std::string> port;
    std::optional<std::string> output;
    bool trace;
    std::vector<std::string> positional;
  };
  const std::vector<Case> cases{
      {{"--port", "/dev/pts/7", "-o", "out.CFG"}, "/dev/pts/7", "out.CFG", false, {}},
      {{"--port=COM3", "-oX.CFG", "--trace"}, "COM3", "X.CFG", true, {}},
      {{"--output", "-", "FILE"}, std::nullopt, "-", false, {"FILE"}},
      {{"--trace", "--", "--port"}, std::nullopt, std::nullopt, true, {"--port"}},
      {{"--port", "-x"}, "-x", std::nullopt, false, {}},
      {{"--port="}, "", std::nullopt, false, {}},
  };
  for (const Case& c : cases) {
    ArgParser parser = DeviceParser();
    ASSERT_TRUE(parser.Parse(c.args)) << parser.error();
    EXPECT_EQ(parser.Value("--port"), c.port);
    EXPECT_EQ(parser.Value("--output"), c.output);
    EXPECT_EQ(parser.Has("--trace"), c.trace);
    EXPECT_EQ(parser.positional(), c.positional);
  }
}

TEST(ArgParser, ClearErrors) {
  const std::vector<std::pair<Args, std::string>> cases{
      {{"--bogus"}, "unknown option --bogus"},
      {{"-o"}, "option -o needs a value"},
      {{"--port", "--trace"}, "option --port needs a value"},
      {{"--port", "a", "--port", "b"}, "option --port given twice"},
      {{"--trace=yes"}, "option --trace takes no value"},
      {{"a", "b"}, "unexpected argument b"},
  };
  for (const auto& [args, error] : cases) {
    ArgParser parser = DeviceParser();
    EXPECT_FALSE(parser.Parse(args));
    EXPECT_EQ(parser.error(), error);
  }
  ArgParser needsFile("check");
  needsFile.Positionals(1, 1);
  EXPECT_FALSE(needsFile.Parse({}));
  EXPECT_EQ(needsFile.error(), "missing argument");
}

// With several loggers, each one's file in the folder is named after its port.
TEST(LoggerFiles, NamedAfterThePort) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"/dev/ttyUSB0", "ttyUSB0.CFG"},
      {"/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0",
       "usb-FTDI_FT232R_A50285BI-if00-port0.CFG"},
      {"\\\\.\\COM10", "COM10.CFG"},
      {"COM3", "_COM3.CFG"},  // COM3.CFG would be the port itself on Windows
      {"/dev/nul", "_nul.CFG"},
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
