#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "device/connect_sequence.h"
#include "device/connection.h"
#include "device/exchange.h"
#include "device/posix/serial_line.h"
#include "support/sim_process.h"
#include "support/temp_folder.h"

namespace km62rx::device {
namespace {

using testing::SimProcess;
using Box = RecordingNotifier::Box;
using Boxes = std::vector<Box>;
using Lines = std::vector<std::string>;

// The real serial line against the simulator, connected by the connect
// dialog's and the command line's sequence.
class SimConnectTest : public ::testing::Test {
 protected:
  ~SimConnectTest() override { DestroyDeviceLink(link); }

  LinkResult Connect(const std::string& path, const LineSettings& settings = {}) {
    return ConnectLogger(link, path, settings, dialogBoxes, mainBoxes).opened;
  }

  PosixSerialLine line;
  DeviceLink link{line};
  RecordingNotifier mainBoxes;
  RecordingNotifier dialogBoxes;
};

// One connect over a real terminal, replies split and delayed, clock unset,
// with software flow control (holding RTS low fails on a pseudo-terminal).
TEST_F(SimConnectTest, ConnectReadsFirmwareCardAndClock) {
  SimProcess sim({"--answer-wake", "--split", "2", "--delay", "30", "--clock-unset"});
  LineSettings xonXoff;
  xonXoff.xonXoff = 1;
  ASSERT_EQ(Connect(sim.path(), xonXoff), LinkResult::kOk);
  EXPECT_EQ(link.connected, 1);
  EXPECT_TRUE(mainBoxes.boxes.empty());
  EXPECT_EQ(dialogBoxes.boxes, (Boxes{{"接続しました", "本体時刻 : 未設定"}}));
  EXPECT_EQ(sim.ReceivedLines(), (Lines{"", "DEA", "DEV", "DEC", "TMG"}));
  EXPECT_EQ(std::tuple(link.firmwareVersion, link.sdState), std::tuple(101, 1));
}

// A device that goes away fails the next exchange at once, and CheckForLoss
// tells of it once and closes the port, also when no call met it first.
TEST_F(SimConnectTest, DeviceThatGoesAwayFailsTheNextExchangeAndIsToldOnce) {
  const testing::TempFolder folder;
  const std::string node = folder.File("adapter");
  const std::tuple<std::string, std::function<void(SimProcess&)>, bool> cases[] = {
      // the adapter was pulled: its node is gone
      {"node removed", [&](SimProcess&) { ASSERT_EQ(::unlink(node.c_str()), 0); }, true},
      {"hung up", [](SimProcess& sim) { sim.Stop(); }, true},
      {"hung up, noticed idle", [](SimProcess& sim) { sim.Stop(); }, false},
  };
  for (const auto& [name, goAway, exchangeFirst] : cases) {
    SimProcess sim({"--answer-wake", "--link", node});
    ASSERT_EQ(Connect(node), LinkResult::kOk) << name;
    EXPECT_FALSE(line.CheckForLoss()) << name;
    goAway(sim);
    if (exchangeFirst) {
      Reply reply;
      const auto start = std::chrono::steady_clock::now();
      EXPECT_EQ(ExchangeCommand(link, "TMG\r", reply), LinkResult::kExchangeFailed) << name;
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200)) << name;
    }
    EXPECT_TRUE(line.CheckForLoss()) << name;
    EXPECT_FALSE(line.IsOpen()) << name;
    EXPECT_FALSE(line.CheckForLoss()) << name;
    CloseDeviceLink(link);
  }
}

// Two programs never share a logger: while one line holds the terminal, an
// open by its path or through a link to it is refused as busy (the tests run
// as root, whom only the lock refuses) and sends nothing; once the holder
// closes, the port opens.
TEST_F(SimConnectTest, APortHeldByAnotherLineIsBusyUntilClosed) {
  const testing::TempFolder folder;
  const std::string node = folder.File("adapter");
  SimProcess sim({"--answer-wake", "--link", node});
  PosixSerialLine holder;
  ASSERT_TRUE(holder.Open(sim.path(), {}));
  for (const std::string& name : {sim.path(), node}) {
    dialogBoxes.boxes.clear();
    EXPECT_EQ(Connect(name), LinkResult::kPortNotOpened) << name;
    EXPECT_EQ(line.LastOpenFailure(), OpenFailure::kBusy) << name;
    EXPECT_EQ(dialogBoxes.boxes, (Boxes{{"接続エラー", "COMポートエラー。"}})) << name;
  }
  EXPECT_EQ(sim.ReceivedLines(), Lines{});
  holder.Close();
  EXPECT_EQ(Connect(node), LinkResult::kOk);
}

}  // namespace
}  // namespace km62rx::device
