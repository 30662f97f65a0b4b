// km62rx-sim end to end over its pseudo-terminal.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/pty_client.h"
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
    EXPECT_EQ(client.Exchange("\nLESCSV"), "OKCSV\r");  // an LF is ignored
  }
  PtyClient client(sim.path());
  EXPECT_EQ(client.Exchange("LEG"), "OKCSV\r");
  ASSERT_TRUE(client.Write("DEV\rDEC\r"));  // answered in order
  EXPECT_EQ(client.Read(200), "OK101\rOK10\r");
  EXPECT_EQ(client.Exchange("BDS0" + std::string(3000, 'A')), "99\r");  // overlong, then on
  EXPECT_EQ(client.Exchange("DEV"), "OK101\r");
  Lines lines = sim.ReceivedLines();  // each line without its CR, cut to 1024 bytes
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[5].size(), 1024u);
  lines.erase(lines.begin() + 5);
  EXPECT_EQ(lines, (Lines{"", "LESCSV", "LEG", "DEV", "DEC", "DEV"}));
}

TEST(SimPty, HangsUpAfterNCommandsAndRemovesItsLink) {
  const TempFolder folder;
  const std::string link = folder.File("link");
  SimProcess sim({"--hangup-after", "2", "--link", link});
  char target[256] = {};
  ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
  EXPECT_EQ(std::string(target), sim.path());
  PtyClient client(link);
  ASSERT_TRUE(client.Write("\r"));  // counts, although not answered
  EXPECT_EQ(client.Exchange("DEA"), "OKKM-62RX\r");
  client.Read(2000);
  EXPECT_TRUE(client.hungUp());
  for (int i = 0; i < 200 && sim.Running(); ++i)
    usleep(10000);
  EXPECT_FALSE(sim.Running());
  EXPECT_NE(access(link.c_str(), F_OK), 0);
}

TEST(SimBinary, HelpAndUsageErrors) {
  const std::vector<std::tuple<std::string, int, std::string>> cases{
      {"--help", 0, "--hangup-after N"},
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
