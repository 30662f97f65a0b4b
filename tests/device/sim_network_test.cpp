// The line to a serial port shared over the network, against the simulator
// behind a real ser2net on the loopback address.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QThread>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "device/clock_commands.h"
#include "device/link_errors.h"
#include "device/open_port.h"
#include "device/port_line.h"
#include "device/qt/line_for_port.h"
#include "device/settings_runs.h"
#include "support/link_view_recorder.h"
#include "support/ser2net_process.h"
#include "support/sim_process.h"
#include "ui/memory_page_controls.h"

namespace km62rx::device {
namespace {

using testing::Ser2netProcess;
using testing::SimProcess;
using Box = RecordingNotifier::Box;
using Boxes = std::vector<Box>;
using Lines = std::vector<std::string>;

// The window's line (its backend chosen by the port name) over ser2net.
class SimNetworkTest : public ::testing::Test {
 protected:
  SimNetworkTest() {
    link.view = &view;
    line.WatchForLoss([this] {
      ++losses;
      CloseDeviceLink(link);
    });
  }
  ~SimNetworkTest() override { DestroyDeviceLink(link); }

  void SetUp() override {
    if (!Ser2netProcess::Installed())
      GTEST_SKIP() << "ser2net is not installed";
  }

  LinkResult Open(const std::string& port) {
    const LinkResult code = OpenDevicePort(link, port, LineSettings{});
    if (code != LinkResult::kOk) {
      ReportLinkError(code, boxes);
      CloseDeviceLink(link);
    }
    return code;
  }

  PortLine line{MakeLineForPort};
  DeviceLink link{line};
  RecordingLinkView view;
  RecordingNotifier boxes;
  ui::MemoryPageControls pages;
  CommandContext ctx{link, pages, boxes};
  int losses = 0;
};

TEST_F(SimNetworkTest, ConnectRunsAndClockGoThrough) {
  SimProcess sim;
  Ser2netProcess ser2net(sim.path());
  ASSERT_EQ(Open(ser2net.portName()), LinkResult::kOk);
  ASSERT_EQ(QueryDeviceStatus(link, boxes), HandshakeResult::kConnected);
  EXPECT_EQ(SetLoggerClockFromTime(link, {2026, 3, 5, 7, 8, 9}, boxes), StepResult::kDone);
  EXPECT_TRUE(SendAllSettings(ctx).Clean());
  boxes.boxes.clear();
  EXPECT_TRUE(ReceiveAllSettings(ctx).Clean());
  EXPECT_EQ(boxes.boxes, (Boxes{{"取得完了", "本体からの設定取得が完了しました。"}}));
  const Lines received = sim.ReceivedLines();
  ASSERT_GE(received.size(), 5u);
  EXPECT_EQ(Lines(received.begin(), received.begin() + 5),
            (Lines{"", "DEA", "DEV", "DEC", "TMS260305070809"}));
  EXPECT_EQ(losses, 0);
}

// ser2net gone in the middle of a send: the run stops with a link failure
// and the window hears of the loss, as of an unplugged adapter.
TEST_F(SimNetworkTest, PeerClosingMidRunFailsTheLinkAndIsReportedAsALoss) {
  SimProcess sim({"--answer-wake", "--delay", "20"});
  Ser2netProcess ser2net(sim.path());
  ASSERT_EQ(Open(ser2net.portName()), LinkResult::kOk);
  std::thread killer([&ser2net] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    ser2net.Stop();
  });
  const RunOutcome outcome = SendAllSettings(ctx);
  killer.join();
  EXPECT_EQ(outcome.result, RunResult::kLinkFailed);
  QCoreApplication::processEvents();
  EXPECT_EQ(losses, 1);
  EXPECT_EQ(link.connected, 0);
  EXPECT_FALSE(line.IsOpen());
}

TEST_F(SimNetworkTest, PortsThatDoNotOpenSayWhy) {
  const std::string closed = "socket://127.0.0.1:" + std::to_string(testing::FreeLoopbackPort());
  const std::pair<std::string, OpenFailure> cases[] = {
      {closed, OpenFailure::kRefused},
      {"socket://127.0.0.1", OpenFailure::kBadAddress},
      {"socket://[::1]:0", OpenFailure::kBadAddress},
  };
  for (const auto& [port, why] : cases) {
    boxes.boxes.clear();
    EXPECT_EQ(Open(port), LinkResult::kPortNotOpened) << port;
    EXPECT_EQ(line.LastOpenFailure(), why) << port;
    EXPECT_EQ(boxes.boxes, (Boxes{{"接続エラー", "COMポートエラー。"}})) << port;
  }
}

// A peer that takes the connection but never answers: each exchange ends at
// its time-out.
TEST_F(SimNetworkTest, SilentPeerTimesOutTheExchange) {
  QTcpServer silent;
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Open("socket://127.0.0.1:" + std::to_string(silent.serverPort())),
            LinkResult::kExchangeFailed);
  // The wake and the identification, each about a second.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
}

// The command line runs each logger on a worker thread of its own, without
// an event loop: the line is made, used and closed there, with no warning.
TEST_F(SimNetworkTest, WorksOnAWorkerThreadWithoutWarnings) {
  SimProcess sim;
  Ser2netProcess ser2net(sim.path());
  static std::vector<std::string> warnings;
  warnings.clear();
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        warnings.push_back(text.toStdString());
      });
  RunOutcome outcome{RunResult::kLinkFailed};
  QThread* worker = QThread::create([&] {
    std::unique_ptr<SerialLine> tcp = MakeLineForPort(ser2net.portName());
    DeviceLink workerLink{*tcp};
    RecordingNotifier workerBoxes;
    ui::MemoryPageControls workerPages;
    CommandContext workerCtx{workerLink, workerPages, workerBoxes};
    if (OpenDevicePort(workerLink, ser2net.portName(), LineSettings{}) == LinkResult::kOk)
      outcome = ReceiveAllSettings(workerCtx);
    DestroyDeviceLink(workerLink);
  });
  worker->start();
  worker->wait();
  delete worker;
  qInstallMessageHandler(previous);
  EXPECT_TRUE(outcome.Clean());
  EXPECT_EQ(warnings, Lines{});
}

}  // namespace
}  // namespace km62rx::device
