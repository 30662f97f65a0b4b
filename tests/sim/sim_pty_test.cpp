// km62rx-sim end to end over its pseudo-terminal, through the program's own serial line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "device/exchange.h"
#include "device/posix/serial_line.h"
#include "support/sim_process.h"
#include "support/temp_folder.h"

namespace km62rx::testing {
namespace {

using Lines = std::vector<std::string>;

// The serial line opened on a port of the simulator.
struct Client {
  explicit Client(const std::string& port) { opened = line.Open(port, {}); }
  // The reply to a command line (CR added), or "" when none came whole.
  std::string Exchange(const std::string& command) {
    device::Reply reply;
    const device::LinkResult result = device::ExchangeCommand(link, command + "\r", reply);
    return result == device::LinkResult::kOk ? std::string(reply.View()) : "";
  }
  device::PosixSerialLine line;
  device::DeviceLink link{line};
  bool opened = false;
};

TEST(SimPty, KeepsSettingsAcrossCommandsAndReopenedPorts) {
  SimProcess sim;
  {
    Client client(sim.path());
    ASSERT_TRUE(client.opened);
    EXPECT_EQ(client.Exchange(""), "OK\r");
    EXPECT_EQ(client.Exchange("\nLESCSV"), "OKCSV\r");  // an LF is ignored
  }
  Client client(sim.path());
  EXPECT_EQ(client.Exchange("LEG"), "OKCSV\r");
  ASSERT_EQ(client.line.Write("DEV\rDEC\r", 8), 8);  // answered in order
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  char replies[32];
  const long got = client.line.Read(replies, sizeof replies);
  EXPECT_EQ(std::string(replies, static_cast<std::size_t>(std::max(got, 0L))), "OK101\rOK10\r");
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
  const std::string node = folder.File("link");
  SimProcess sim({"--hangup-after", "2", "--link", node});
  char target[256] = {};
  ASSERT_GT(readlink(node.c_str(), target, sizeof target - 1), 0);
  EXPECT_EQ(std::string(target), sim.path());
  Client client(node);
  ASSERT_EQ(client.line.Write("\r", 1), 1);  // counts, although not answered
  EXPECT_EQ(client.Exchange("DEA"), "OKKM-62RX\r");
  for (int i = 0; i < 200 && sim.Running(); ++i)
    usleep(10000);
  EXPECT_FALSE(sim.Running());
  EXPECT_TRUE(client.line.CheckForLoss());
  EXPECT_NE(access(node.c_str(), F_OK), 0);
}

TEST(SimBinary, HelpAndUsageErrors) {
  const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
      {{"--help"}, 0, "--hangup-after N"},
      {{"--no-such-option"}, 2, "unknown option: --no-such-option"},
      {{"--trace", "/nonexistent-dir/trace.txt"}, 1, "cannot open trace file"}};
  for (const auto& [args, status, mentions] : cases) {
    const CliRun r = RunProgram(SimulatorPath(), args);
    EXPECT_EQ(r.status, status) << args[0];
    EXPECT_NE((r.out + r.err).find(mentions), std::string::npos) << r.out << r.err;
  }
}

}  // namespace
}  // namespace km62rx::testing
