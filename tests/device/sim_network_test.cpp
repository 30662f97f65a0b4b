// The line to a serial port shared over the network, against the simulator behind a real
// ser2net on the loopback address.

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <future>
#include <thread>

#include "device/clock_commands.h"
#include "device/connect_sequence.h"
#include "device/connection.h"
#include "device/line_for_port.h"
#include "device/port_line.h"
#include "device/settings_runs.h"
#include "device/sockets/socket_line.h"
#include "support/ser2net_process.h"
#include "support/sim_process.h"
#include "ui/memory_page_controls.h"

namespace km62rx::device {
namespace {

using testing::LoopbackListener;
using testing::Ser2netProcess;
using testing::SimProcess;
using Boxes = std::vector<RecordingNotifier::Box>;

// The window's line, its backend chosen by the port name, over ser2net.
class SimNetworkTest : public ::testing::Test {
 protected:
  ~SimNetworkTest() override { DestroyDeviceLink(link); }
  void SetUp() override {
    if (!Ser2netProcess::Installed())
      GTEST_SKIP() << "ser2net is not installed";
  }
  LinkResult Open(const std::string& port) {
    return ConnectLogger(link, port, {}, boxes, boxes).opened;
  }
  // What a front end does after each command, and when the line's descriptor turns readable.
  void CheckForLoss() {
    if (line.CheckForLoss()) {
      ++losses;
      CloseDeviceLink(link);
    }
  }

  PortLine line{MakeLineForPort};
  DeviceLink link{line};
  RecordingNotifier boxes;
  ui::MemoryPageControls pages;
  CommandContext ctx{link, pages, boxes};
  int losses = 0;
};

// ser2net gone in the middle of a send: the run stops with a link failure, and the loss is told
// once, as of an unplugged adapter.
TEST_F(SimNetworkTest, PeerClosingMidRunFailsTheLinkAndIsReportedAsALoss) {
  SimProcess sim({"--answer-wake", "--delay", "20"});
  Ser2netProcess ser2net(sim.path());
  ASSERT_EQ(Open(ser2net.portName()), LinkResult::kOk);
  std::thread killer([&ser2net] {  // the run takes 37 × 20 ms
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    ser2net.Stop();
  });
  EXPECT_EQ(SendAllSettings(ctx).result, RunResult::kLinkFailed);
  killer.join();
  CheckForLoss();
  CheckForLoss();
  EXPECT_EQ(losses, 1);
  EXPECT_FALSE(line.IsOpen());
  EXPECT_FALSE(line.CheckForLoss());
}

// A malformed name, a port that another client uses, and a peer that takes the connection but
// never answers (each exchange then ends at its time-out); a closed port is the command line's.
TEST_F(SimNetworkTest, PortsThatDoNotConnectSayWhy) {
  SimProcess sim;
  Ser2netProcess ser2net(sim.path());
  const std::unique_ptr<SerialLine> firstClient = MakeLineForPort(ser2net.portName());
  ASSERT_TRUE(firstClient->Open(ser2net.portName(), {}));
  const LoopbackListener silent;
  const std::string loopback = "socket://127.0.0.1:";
  const std::tuple<std::string, LinkResult, OpenFailure, std::string> cases[] = {
      {ser2net.portName(), LinkResult::kPortNotOpened, OpenFailure::kBusy, "COMポートエラー。"},
      {"socket://[::1]:0", LinkResult::kPortNotOpened, OpenFailure::kBadAddress,
       "COMポートエラー。"},
      {loopback + std::to_string(silent.port()), LinkResult::kExchangeFailed, OpenFailure::kUnknown,
       "送受信に失敗しました。"},
  };
  for (const auto& [port, result, why, text] : cases) {
    boxes.boxes.clear();
    EXPECT_EQ(Open(port), result) << port;
    EXPECT_EQ(line.LastOpenFailure(), why) << port;
    EXPECT_EQ(boxes.boxes, (Boxes{{"接続エラー", text}})) << port;
  }
}

// A host name goes to the lookup and each of its addresses is tried in turn; the lookup's answer
// decides the reason a port did not open, and a lookup that never answers ends at the budget.
TEST(SocketLineTest, HostNamesAreLookedUpWithinTheBudget) {
  using sockets::HostLookup;
  using sockets::LookupResult;
  const LoopbackListener server;  // on 127.0.0.1 only: 127.0.0.2 refuses
  const std::string port = ":" + std::to_string(server.port());
  const auto answer = [](HostLookup lookup) {
    return [lookup](const std::string&) { return lookup; };
  };
  // A name server that does not answer: its lookup ends only when the test lets it, after Open.
  std::promise<void> release;
  const auto answered = std::make_shared<std::promise<bool>>();
  std::future<bool> answeredWhenReleased = answered->get_future();
  const auto silent = [released = release.get_future().share(), answered](const std::string&) {
    answered->set_value(released.wait_for(std::chrono::seconds(10)) == std::future_status::ready);
    return HostLookup{LookupResult::kUnknownHost, {}};
  };
  const std::tuple<std::string, sockets::HostResolver, bool, OpenFailure> cases[] = {
      {"localhost", sockets::LookUpHost, true, OpenFailure::kUnknown},
      {"logger.test", answer({LookupResult::kFound, {"127.0.0.2", "127.0.0.1"}}), true,
       OpenFailure::kUnknown},
      {"logger.test", answer({LookupResult::kFound, {"127.0.0.2"}}), false, OpenFailure::kRefused},
      {"logger.test", answer({LookupResult::kUnknownHost, {}}), false, OpenFailure::kUnknownHost},
      {"logger.test", answer({LookupResult::kFailed, {}}), false, OpenFailure::kUnknown},
      {"logger.test", silent, false, OpenFailure::kTimedOut},
  };
  for (const auto& [host, resolve, opens, why] : cases) {
    SocketLine line(1000, 1000, resolve);
    EXPECT_EQ(line.Open("socket://" + host + port, {}), opens) << host;
    EXPECT_EQ(line.LastOpenFailure(), why) << host;
  }
  release.set_value();
  EXPECT_TRUE(answeredWhenReleased.get());  // Open did not wait for it
}

// Between commands nobody reads the line: the front end watches its descriptor and checks it
// when it wakes. Stray input is dropped and the line stays; a peer that closes or resets the
// connection (after stray input or not) is a loss, told once.
TEST(SocketLineTest, LossCheckDropsStrayInputAndTellsAGonePeerOnce) {
  enum class Peer { kStays, kCloses, kResets };
  const std::tuple<std::string, Peer> cases[] = {
      {"stray\r", Peer::kStays},
      {"", Peer::kCloses},
      {"OK\r", Peer::kCloses},
      {"", Peer::kResets},
  };
  for (const auto& [stray, peer] : cases) {
    LoopbackListener server;
    SocketLine line;
    ASSERT_TRUE(line.Open("socket://127.0.0.1:" + std::to_string(server.port()), {}));
    const int connection = server.Accept();
    ASSERT_EQ(write(connection, stray.data(), stray.size()), static_cast<ssize_t>(stray.size()));
    if (peer == Peer::kResets) {
      const linger reset{1, 0};
      setsockopt(connection, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    }
    if (peer != Peer::kStays)
      close(connection);
    // Wake at each readiness and check, until the line is closed or a second passes quietly.
    int losses = 0;
    pollfd watch{line.LossDescriptor(), POLLIN, 0};
    for (int wakes = 0; wakes < 10 && watch.fd >= 0 && poll(&watch, 1, 1000) == 1; ++wakes) {
      losses += line.CheckForLoss() ? 1 : 0;
      watch.fd = line.LossDescriptor();
    }
    const bool lost = peer != Peer::kStays;
    EXPECT_EQ(losses, lost ? 1 : 0) << stray;
    EXPECT_FALSE(line.CheckForLoss()) << stray;
    EXPECT_EQ(line.IsOpen(), !lost) << stray;
    EXPECT_EQ(line.BytesWaiting(), lost ? -1 : 0) << stray;
    if (peer == Peer::kStays)
      close(connection);
  }
}

// A peer that takes nothing: the write that cannot go out whole fails and gives the connection
// up, so that no rest of it trails into a later command.
TEST(SocketLineTest, AWriteThatDoesNotGoOutWholeDropsTheConnection) {
  const LoopbackListener server;
  SocketLine line(kNetworkConnectBudgetMs, 200);
  ASSERT_TRUE(line.Open("socket://127.0.0.1:" + std::to_string(server.port()), {}));
  const std::string flood(64 << 20, 'x');  // more than the system buffers
  EXPECT_EQ(line.Write(flood.data(), flood.size()), -1);
  EXPECT_EQ(line.Write("DEV\r", 4), -1);
  EXPECT_EQ(line.BytesWaiting(), -1);
  EXPECT_TRUE(line.CheckForLoss());
  EXPECT_FALSE(line.IsOpen());
}

}  // namespace
}  // namespace km62rx::device
