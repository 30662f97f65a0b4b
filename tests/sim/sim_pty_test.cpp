// End-to-end tests of km62rx-sim over its pseudo-terminal, through the test
// fixture that starts it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "pty_client.h"
#include "support/sim_process.h"
#include "support/temp_folder.h"

namespace km62rx::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(SimPty, KeepsSettingsAcrossCommandsAndReopenedPorts) {
  SimProcess sim;
  {
    PtyClient client(sim.path());
    ASSERT_TRUE(client.isOpen());
    EXPECT_EQ(client.Exchange(""), "OK\r");
    EXPECT_EQ(client.Exchange("DEA"), "OKKM-62RX\r");
    EXPECT_EQ(client.Exchange("\nLESCSV"), "OKCSV\r");  // an LF is ignored
  }
  PtyClient client(sim.path());
  EXPECT_EQ(client.Exchange("LEG"), "OKCSV\r");
  // Commands in one write are answered in order.
  ASSERT_TRUE(client.Write("DEV\rDEC\r"));
  EXPECT_EQ(client.Read(200), "OK101\rOK10\r");
  // The trace holds every line without its CR.
  EXPECT_EQ(sim.ReceivedLines(), (Lines{"", "DEA", "LESCSV", "LEG", "DEV", "DEC"}));
}

TEST(SimPty, OptionsReachTheLogger) {
  SimProcess sim({"--firmware", "100", "--sd", "protected", "--clock-unset", "--model", "KM-00",
                  "--reply", "DEC=51"});
  PtyClient client(sim.path());
  // Silent until spoken to, and a lone CR gets no answer without --answer-wake.
  EXPECT_EQ(client.Read(100), "");
  ASSERT_TRUE(client.Write("\r"));
  EXPECT_EQ(client.Read(150), "");
  EXPECT_EQ(client.Exchange("DEA"), "OKKM-00\r");
  EXPECT_EQ(client.Exchange("DEV"), "OK100\r");
  EXPECT_EQ(client.Exchange("DEC"), "51\r");
  EXPECT_EQ(client.Exchange("TMG"), "01\r");
  EXPECT_EQ(client.Exchange("BDG0"), "51\r");
}

TEST(SimPty, SplitAndDelayedRepliesArriveWhole) {
  SimProcess split({"--split", "2"});
  PtyClient client(split.path());
  EXPECT_EQ(client.Exchange("DEA"), "OKKM-62RX\r");
  EXPECT_GT(client.lastReadCalls(), 1);

  SimProcess delayed({"--delay", "300"});
  PtyClient late(delayed.path());
  ASSERT_TRUE(late.Write("DEV\r"));
  EXPECT_EQ(late.Read(100), "");
  EXPECT_EQ(late.Read(2000, true), "OK101\r");
}

TEST(SimPty, HangsUpAfterNCommands) {
  SimProcess sim({"--hangup-after", "2"});
  PtyClient client(sim.path());
  ASSERT_TRUE(client.Write("\r"));  // counts, although not answered
  EXPECT_EQ(client.Exchange("DEA"), "OKKM-62RX\r");
  EXPECT_TRUE(client.WaitForHangUp(2000));
  for (int i = 0; i < 200 && sim.Running(); ++i)
    usleep(10000);
  EXPECT_FALSE(sim.Running());
}

TEST(SimPty, OverlongLineIsRefusedAndTheLoggerGoesOn) {
  SimProcess sim;
  PtyClient client(sim.path());
  EXPECT_EQ(client.Exchange("BDS0" + std::string(3000, 'A')), "99\r");
  EXPECT_EQ(client.Exchange("DEV"), "OK101\r");
  const Lines lines = sim.ReceivedLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), 1024u);
}

TEST(SimPty, LinkPointsToTheTerminalAndIsRemovedOnExit) {
  const TempFolder folder;
  const std::string link = folder.File("link");
  {
    SimProcess sim({"--link", link});
    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), sim.path());
    PtyClient client(link);
    EXPECT_EQ(client.Exchange("DEA"), "OKKM-62RX\r");
    sim.Stop();
  }
  EXPECT_NE(access(link.c_str(), F_OK), 0);
}

TEST(SimBinary, HelpAndUsageErrors) {
  const std::vector<std::tuple<std::string, int, std::string>> cases{
      {"--help", 0, "--hangup-after N"},
      {"--split 0", 2, "--split"},
      {"--no-such-option", 2, "unknown option: --no-such-option"},
      {"--trace /nonexistent-dir/trace.txt", 1, "cannot open trace file"}};
  for (const auto& [args, status, mentions] : cases) {
    FILE* pipe = popen(("'" + SimulatorPath() + "' " + args + " 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
      output += buffer;
    const int result = pclose(pipe);
    EXPECT_EQ(WIFEXITED(result) ? WEXITSTATUS(result) : -1, status) << args;
    EXPECT_NE(output.find(mentions), std::string::npos) << output;
  }
}

}  // namespace
}  // namespace km62rx::testing
