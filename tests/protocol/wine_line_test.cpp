// The Windows serial line (device/win32) under Wine against the simulator, reached through a COM
// slot and driven by tests/wine/line_check.exe. In the Wine rows only (see UnderWine).

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/sim_process.h"

namespace km62rx::testing {
namespace {

using Lines = std::vector<std::string>;

// What line_check.exe printed for the actions on port.
Lines LineCheck(const std::string& port, std::vector<std::string> actions) {
  const std::filesystem::path cli = std::getenv("KM62RX_WINE_CLI");
  actions.insert(actions.begin(), {"LC_ALL=C.UTF-8", std::getenv("KM62RX_WINE"),
                                   (cli.parent_path() / "line_check.exe").string(), port});
  std::istringstream out(RunProgram("env", actions).out);
  Lines lines;
  for (std::string line; std::getline(out, line);)
    lines.push_back(line);
  return lines;
}

long Ms(const std::string& line) {  // the milliseconds that end an exchange line
  return std::stol(line.substr(line.rfind(' ') + 1));
}

// Split and delayed replies arrive whole under XON/XOFF (RTS held low, which a pseudo-terminal
// refuses without harm); a silent logger is waited for the exchange's whole time-out (an adapter
// may hold a reply for 16 ms) and no longer, and is no lost device; COMn is found in any case.
TEST(WindowsLine, RepliesArriveWholeAndSilenceIsWaitedOutOnce) {
  if (!UnderWine())
    GTEST_SKIP() << "runs under Wine";
  SimProcess split({"--answer-wake", "--split", "2", "--delay", "30"}), silent({"--silent"});
  const Lines lines = LineCheck("c" + split.path().substr(1),
                                {"open-xonxoff", "exchange", "DEA", "exchange", "DEV", "loss"});
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(lines[1].starts_with("exchange ok OKKM-62RX ")) << lines[1];
  EXPECT_TRUE(lines[2].starts_with("exchange ok OK101 ")) << lines[2];
  EXPECT_EQ(lines[3], "loss no");
  const Lines quiet = LineCheck("\\\\.\\" + silent.path(), {"open", "exchange", "DEA", "loss"});
  ASSERT_EQ(quiet.size(), 3u);
  EXPECT_TRUE(quiet[1].starts_with("exchange failed ")) << quiet[1];
  EXPECT_GE(Ms(quiet[1]), 1010);
  EXPECT_LT(Ms(quiet[1]), 1500);
  EXPECT_EQ(quiet[2], "loss no");
}

// A logger that hangs up fails the next exchange at once, and the loss is told once; a COM slot
// with nothing behind it is a port that does not exist.
TEST(WindowsLine, AVanishedLoggerFailsAtOnceAndIsToldOnce) {
  if (!UnderWine())
    GTEST_SKIP() << "runs under Wine";
  std::string slot;
  {
    SimProcess sim({"--answer-wake", "--hangup-after", "1"});
    slot = sim.path();
    const Lines lines =
        LineCheck(slot, {"open", "exchange", "DEA", "exchange", "TMG", "loss", "loss"});
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_TRUE(lines[2].starts_with("exchange failed ")) << lines[2];
    EXPECT_LT(Ms(lines[2]), 500);
    EXPECT_EQ(lines[3], "loss yes");
    EXPECT_EQ(lines[4], "loss no");
  }
  EXPECT_EQ(LineCheck(slot, {"open"}), (Lines{"open failed not-found"}));
}

}  // namespace
}  // namespace km62rx::testing
