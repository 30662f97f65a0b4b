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

namespace km62rx::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(SimPty, IdentifiesAndKeepsSettingsAcrossCommands) {
  SimProcess sim;
  ASSERT_FALSE(sim.path().empty());
  PtyClient client(sim.path());
  ASSERT_TRUE(client.isOpen());
  EXPECT_EQ(client.Exchange("DEA"), "OKKM-62RX\r");
  EXPECT_EQ(client.Exchange("DEV"), "OK101\r");
  EXPECT_EQ(client.Exchange("DEC"), "OK10\r");
  EXPECT_EQ(client.Exchange("BDS10D0A"), "OK10D0A\r");
  EXPECT_EQ(client.Exchange("BDG1"), "OK10D0A\r");
  EXPECT_EQ(client.Exchange("PMSX"), "99\r");
}

TEST(SimPty, LoneCrIsSilentUnlessAnswerWake) {
  {
    SimProcess sim(std::vector<std::string>{});
    PtyClient client(sim.path());
    ASSERT_TRUE(client.Write("\r"));
    EXPECT_EQ(client.ReadFor(150), "");
    // The logger is still there afterwards.
    EXPECT_EQ(client.Exchange("DEA"), "OKKM-62RX\r");
  }
  {
    SimProcess sim({"--answer-wake"});
    PtyClient client(sim.path());
    EXPECT_EQ(client.Exchange(""), "OK\r");
  }
}

TEST(SimPty, StaysSilentUntilSpokenTo) {
  SimProcess sim;
  PtyClient client(sim.path());
  EXPECT_EQ(client.ReadFor(100), "");
}

TEST(SimPty, FixedRepliesWinByFirstMatchingPrefixAndChangeNothing) {
  SimProcess sim({"--reply", "BTS1=05", "--reply", "BT=51", "--reply=DEA=OKKM-62RY"});
  PtyClient client(sim.path());
  EXPECT_EQ(client.Exchange("BTS1-"), "05\r");
  EXPECT_EQ(client.Exchange("BTS0-"), "51\r");
  EXPECT_EQ(client.Exchange("DEA"), "OKKM-62RY\r");
  // The overridden set did not reach the model.
  SimProcess plain({"--reply", "BTS=00"});
  PtyClient other(plain.path());
  EXPECT_EQ(other.Exchange("BTS172359"), "00\r");
  EXPECT_EQ(other.Exchange("BTG1"), "OK1-\r");
}

TEST(SimPty, SplitRepliesJoinToTheSameBytes) {
  SimProcess sim({"--split", "2"});
  PtyClient client(sim.path());
  EXPECT_EQ(client.Exchange("DEA"), "OKKM-62RX\r");
  EXPECT_GT(client.lastReadCalls(), 1);
}

TEST(SimPty, ExtraBytesFollowTheCr) {
  SimProcess sim({"--extra", "XY"});
  PtyClient client(sim.path());
  ASSERT_TRUE(client.Write("DEV\r"));
  EXPECT_EQ(client.ReadFor(200), "OK101\rXY");
}

TEST(SimPty, DelayHoldsTheReplyBack) {
  SimProcess sim({"--delay", "300"});
  PtyClient client(sim.path());
  ASSERT_TRUE(client.Write("DEV\r"));
  EXPECT_EQ(client.ReadFor(100), "");
  EXPECT_EQ(client.ReadReply(2000), "OK101\r");
}

TEST(SimPty, SilentNeverAnswers) {
  SimProcess sim({"--silent", "--answer-wake"});
  PtyClient client(sim.path());
  ASSERT_TRUE(client.Write("\rDEA\r"));
  EXPECT_EQ(client.ReadFor(200), "");
  EXPECT_EQ(sim.ReceivedLines(), (Lines{"", "DEA"}));
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

TEST(SimPty, TraceRecordsEveryLineWithoutCrAndIgnoresLf) {
  SimProcess sim;
  PtyClient client(sim.path());
  EXPECT_EQ(client.Exchange(""), "OK\r");
  EXPECT_EQ(client.Exchange("\nDEA"), "OKKM-62RX\r");
  EXPECT_EQ(client.Exchange("PPS;"), "OK;\r");
  EXPECT_EQ(sim.ReceivedLines(), (Lines{"", "DEA", "PPS;"}));
}

TEST(SimPty, ClientMayCloseAndReopenThePort) {
  SimProcess sim;
  {
    PtyClient first(sim.path());
    EXPECT_EQ(first.Exchange("LESCSV"), "OKCSV\r");
  }
  PtyClient second(sim.path());
  EXPECT_EQ(second.Exchange("LEG"), "OKCSV\r");
  EXPECT_TRUE(sim.Running());
}

TEST(SimPty, CommandsInOneWriteAreAnsweredInOrder) {
  SimProcess sim;
  PtyClient client(sim.path());
  ASSERT_TRUE(client.Write("DEV\rDEC\r"));
  EXPECT_EQ(client.ReadFor(200), "OK101\rOK10\r");
}

TEST(SimPty, LinkPointsToTheTerminalAndIsRemovedOnExit) {
  const std::string link = ::testing::TempDir() + "km62rx-sim-link-" + std::to_string(getpid());
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

TEST(SimPty, LoggerOptionsReachTheModel) {
  SimProcess sim({"--firmware", "100", "--sd", "protected", "--clock-unset", "--model", "KM-00"});
  PtyClient client(sim.path());
  EXPECT_EQ(client.Exchange("DEA"), "OKKM-00\r");
  EXPECT_EQ(client.Exchange("DEV"), "OK100\r");
  EXPECT_EQ(client.Exchange("DEC"), "OK11\r");
  EXPECT_EQ(client.Exchange("TMG"), "01\r");
  EXPECT_EQ(client.Exchange("PMG"), "01\r");
  EXPECT_EQ(client.Exchange("BDG0"), "51\r");
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

// Runs the simulator binary directly with a shell command line; returns its
// exit status and what it printed.
int RunSimulator(const std::string& args, std::string& output) {
  const std::string command = "'" + SimulatorPath() + "' " + args + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr)
    return -1;
  char buffer[512];
  output.clear();
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
    output += buffer;
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SimBinary, HelpAndUsageErrors) {
  std::string output;
  EXPECT_EQ(RunSimulator("--help", output), 0);
  EXPECT_NE(output.find("--hangup-after N"), std::string::npos) << output;
  EXPECT_EQ(RunSimulator("--split 0", output), 2);
  EXPECT_NE(output.find("--split"), std::string::npos) << output;
  EXPECT_EQ(RunSimulator("--no-such-option", output), 2);
  EXPECT_NE(output.find("unknown option: --no-such-option"), std::string::npos) << output;
}

TEST(SimBinary, UnwritableTraceFileFailsAtStart) {
  std::string output;
  EXPECT_EQ(RunSimulator("--trace /nonexistent-dir/trace.txt", output), 1);
  EXPECT_NE(output.find("cannot open trace file"), std::string::npos) << output;
}

}  // namespace
}  // namespace km62rx::testing
