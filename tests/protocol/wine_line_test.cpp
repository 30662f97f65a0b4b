// The Windows serial line (device/win32) under Wine, against the simulator reached through a COM
// slot: tests/wine/line_check.exe drives it, one action after another, and prints what each gave.
// These run in the Wine rows only (see UnderWine).

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/sim_process.h"

namespace km62rx::testing {
namespace {

// The lines line_check.exe printed for the actions on port.
std::vector<std::string> LineCheck(const std::string& port, std::vector<std::string> actions) {
  const std::filesystem::path cli = std::getenv("KM62RX_WINE_CLI");
  std::vector<std::string> args = {"LC_ALL=C.UTF-8", std::getenv("KM62RX_WINE"),
                                   (cli.parent_path() / "line_check.exe").string(), port};
  args.insert(args.end(), actions.begin(), actions.end());
  const CliRun run = RunProgram("env", args);
  EXPECT_EQ(run.status, 0) << run.err;
  std::vector<std::string> lines;
  std::istringstream out(run.out);
  for (std::string line; std::getline(out, line);)
    lines.push_back(line);
  return lines;
}

// The milliseconds at the end of an exchange line ("exchange failed 1011").
long Milliseconds(const std::string& line) {
  return std::stol(line.substr(line.rfind(' ') + 1));
}

class WindowsLine : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!UnderWine())
      GTEST_SKIP() << "runs with km62rx.exe under Wine";
  }
};

// Replies split and delayed arrive whole, under XON/XOFF (RTS held low, which a pseudo-terminal
// refuses without harm); the port answers to COMn in any case and as \\.\COMn.
TEST_F(WindowsLine, SplitAndDelayedRepliesArriveWhole) {
  SimProcess sim({"--answer-wake", "--split", "2", "--delay", "30"});
  std::string lower = sim.path();
  lower[0] = 'c';
  const std::vector<std::string> lines =
      LineCheck(lower, {"open-xonxoff", "exchange", "DEA", "exchange", "DEV", "loss"});
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "open ok");
  EXPECT_TRUE(lines[1].starts_with("exchange ok OKKM-62RX ")) << lines[1];
  EXPECT_TRUE(lines[2].starts_with("exchange ok OK101 ")) << lines[2];
  EXPECT_EQ(lines[3], "loss no");
  EXPECT_EQ(sim.ReceivedLines(), (std::vector<std::string>{"DEA", "DEV"}));
  EXPECT_EQ(LineCheck("\\\\.\\" + sim.path(), {"open"}), (std::vector<std::string>{"open ok"}));
}

// A silent logger is waited for the whole time-out of the exchange (101 poll intervals of
// 10 ms: an adapter may hold a reply for 16 ms) and no longer, and is no lost device.
TEST_F(WindowsLine, SilenceIsWaitedOutForTheTimeOutAndNoLonger) {
  SimProcess sim({"--silent"});
  const std::vector<std::string> lines =
      LineCheck(sim.path(), {"open", "exchange", "DEA", "exchange", "DEA", "loss"});
  ASSERT_EQ(lines.size(), 4u);
  for (const std::string& line : {lines[1], lines[2]}) {
    EXPECT_TRUE(line.starts_with("exchange failed ")) << line;
    EXPECT_GE(Milliseconds(line), 1010) << line;
    EXPECT_LT(Milliseconds(line), 1500) << line;
  }
  EXPECT_EQ(lines[3], "loss no");
}

// A logger that goes away fails the next exchange at once; the loss is told once. A COM slot
// with no simulator behind it is a port that does not exist.
TEST_F(WindowsLine, AVanishedLoggerFailsAtOnceAndIsToldOnce) {
  std::string slot;
  {
    SimProcess sim({"--answer-wake", "--hangup-after", "1"});
    slot = sim.path();
    const std::vector<std::string> lines = LineCheck(
        sim.path(), {"open", "exchange", "DEA", "exchange", "TMG", "loss", "loss"});
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_TRUE(lines[1].starts_with("exchange ok OKKM-62RX ")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with("exchange failed ")) << lines[2];
    EXPECT_LT(Milliseconds(lines[2]), 500) << lines[2];
    EXPECT_EQ(lines[3], "loss yes");
    EXPECT_EQ(lines[4], "loss no");
  }
  EXPECT_EQ(LineCheck(slot, {"open"}), (std::vector<std::string>{"open failed not-found"}));
}

}  // namespace
}  // namespace km62rx::testing
