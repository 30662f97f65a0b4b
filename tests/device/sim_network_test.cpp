// The line to a serial port shared over the network, against the simulator behind a real
// ser2net on the loopback address.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QThread>
#include <thread>

#include "device/clock_commands.h"
#include "device/connection.h"
#include "device/link_errors.h"
#include "device/open_port.h"
#include "device/port_line.h"
#include "device/qt/line_for_port.h"
#include "device/settings_runs.h"
#include "support/ser2net_process.h"
#include "support/sim_process.h"
#include "ui/memory_page_controls.h"

namespace km62rx::device {
namespace {

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
    const LinkResult code = OpenDevicePort(link, port, LineSettings{});
    if (code != LinkResult::kOk) {
      ReportLinkError(code, boxes);
      CloseDeviceLink(link);
    }
    return code;
  }

  PortLine line{MakeLineForPort};
  DeviceLink link{line};
  RecordingNotifier boxes;
  ui::MemoryPageControls pages;
  CommandContext ctx{link, pages, boxes};
};

// As the command line runs each logger: on a worker thread without an event loop, where the
// line is made, used and closed, with no warning from Qt.
TEST_F(SimNetworkTest, ConnectClockAndRunsOnAWorkerThread) {
  SimProcess sim;
  Ser2netProcess ser2net(sim.path());
  static std::vector<std::string> warnings;
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        warnings.push_back(text.toStdString());
      });
  std::vector<bool> done;
  QThread* worker = QThread::create([&] {
    std::unique_ptr<SerialLine> tcp = MakeLineForPort(ser2net.portName());
    DeviceLink workerLink{*tcp};
    CommandContext workerCtx{workerLink, pages, boxes};
    done = {OpenDevicePort(workerLink, ser2net.portName(), {}) == LinkResult::kOk,
            QueryDeviceStatus(workerLink, boxes) == HandshakeResult::kConnected,
            SetLoggerClockFromTime(workerLink, {2026, 3, 5, 7, 8, 9}, boxes) == StepResult::kDone,
            SendAllSettings(workerCtx).Clean(), ReceiveAllSettings(workerCtx).Clean()};
    DestroyDeviceLink(workerLink);
  });
  worker->start();
  worker->wait();
  delete worker;
  qInstallMessageHandler(previous);
  EXPECT_EQ(done, std::vector<bool>(5, true));
  EXPECT_EQ(warnings, std::vector<std::string>{});
  EXPECT_EQ(sim.ReceivedLines().at(4), "TMS260305070809");
}

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
  QCoreApplication::processEvents();
  EXPECT_TRUE(line.CheckForLoss());
  EXPECT_FALSE(line.IsOpen());
  EXPECT_FALSE(line.CheckForLoss());
}

// A closed port, a malformed name, a port that another client uses, and a peer that takes the
// connection but never answers (each exchange then ends at its time-out).
TEST_F(SimNetworkTest, PortsThatDoNotConnectSayWhy) {
  SimProcess sim;
  Ser2netProcess ser2net(sim.path());
  const std::unique_ptr<SerialLine> firstClient = MakeLineForPort(ser2net.portName());
  ASSERT_TRUE(firstClient->Open(ser2net.portName(), {}));
  QTcpServer silent;
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
  const std::string loopback = "socket://127.0.0.1:";
  const std::tuple<std::string, LinkResult, OpenFailure, std::string> cases[] = {
      {ser2net.portName(), LinkResult::kPortNotOpened, OpenFailure::kBusy, "COMポートエラー。"},
      {loopback + std::to_string(testing::FreeLoopbackPort()), LinkResult::kPortNotOpened,
       OpenFailure::kRefused, "COMポートエラー。"},
      {"socket://[::1]:0", LinkResult::kPortNotOpened, OpenFailure::kBadAddress,
       "COMポートエラー。"},
      {loopback + std::to_string(silent.serverPort()), LinkResult::kExchangeFailed,
       OpenFailure::kUnknown, "送受信に失敗しました。"},
  };
  for (const auto& [port, result, why, text] : cases) {
    boxes.boxes.clear();
    EXPECT_EQ(Open(port), result) << port;
    EXPECT_EQ(line.LastOpenFailure(), why) << port;
    EXPECT_EQ(boxes.boxes, (Boxes{{"接続エラー", text}})) << port;
  }
}

}  // namespace
}  // namespace km62rx::device
