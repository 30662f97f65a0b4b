// The window's buttons run their commands: file save and load, the send and
// receive runs against the simulator with the device buttons off while they
// run, and the clock commands.
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <functional>
#include <sstream>

#include "device/connection.h"
#include "device/link.h"
#include "device/qt/qt_serial_line.h"
#include "support/sim_process.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST_F(WindowTest, SaveAndLoadButtonsGoThroughTheFileChooser) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  filePath = folder.filePath(QStringLiteral("SETTING.CFG")).toStdString();
  controls().SetText(645, "DAT");
  controls().SetChecked(845, true);
  controls().SetText(630, "12");
  QTest::mouseClick(widget(417), Qt::LeftButton);
  const std::string saved = ReadFile(*filePath);
  EXPECT_EQ(saved.rfind("INFO_NAME=KM-62RX\r\n", 0), 0u);
  EXPECT_NE(saved.find("FILE_EXTENSION=DAT\r\n"), std::string::npos);
  EXPECT_NE(saved.find("STOP_DATASIZE=12582912\r\n"), std::string::npos) << saved;

  controls().SetText(645, "XYZ");
  controls().SetChecked(845, false);
  QTest::mouseClick(widget(418), Qt::LeftButton);
  EXPECT_EQ(controls().Text(645), "DAT");
  EXPECT_TRUE(controls().Checked(845));
  EXPECT_EQ(controls().Text(630), "12");
  EXPECT_EQ(boxes.boxes,
            (std::vector<RecordingNotifier::Box>{{"設定保存", "設定ファイルを書き出しました。"},
                                                 {"ファイル読込完了", "読込が完了しました。"}}));
}

TEST_F(WindowTest, CancelledFileChoiceChangesNothing) {
  filePath.reset();
  controls().SetText(645, "ABC");
  QTest::mouseClick(widget(418), Qt::LeftButton);
  QTest::mouseClick(widget(417), Qt::LeftButton);
  EXPECT_EQ(controls().Text(645), "ABC");
  EXPECT_TRUE(boxes.boxes.empty());
}

// Runs click on the main window and returns the object name of the modal
// dialog it opened (closed again at once), or "" when none opened.
std::string ModalDialogOpenedBy(const std::function<void()>& click) {
  std::string name;
  QTimer::singleShot(0, [&] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      name = dialog->objectName().toStdString();
      dialog->reject();
    }
  });
  click();
  QCoreApplication::processEvents();
  return name;
}

TEST_F(WindowTest, ConnectButtonOpensTheConnectDialog) {
  services.listPorts = [] { return std::vector<std::string>{"ttyFAKE"}; };
  EXPECT_EQ(ModalDialogOpenedBy([&] { QTest::mouseClick(widget(400), Qt::LeftButton); }),
            "connectDialog");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(window->Link().connected, 0);
}

TEST_F(WindowTest, ClockToFileButtonOpensTheClockDialog) {
  EXPECT_EQ(ModalDialogOpenedBy([&] { QTest::mouseClick(widget(422), Qt::LeftButton); }),
            "clockDialog");
}

// Replies OK with the request's parameters to every line, and records the
// availability of the device buttons at the first write of a run.
class BracketTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(line->Open("ttyFAKE", {}));
    device::DeviceLink& link = window->Link();
    link.connected = 1;
    link.sdState = 1;
    link.firmwareVersion = 101;
    device::RefreshLinkStatus(link);
    line->responder = [this](std::string_view sent) -> FakeSerialLine::Answer {
      if (!seen) {
        seen = true;
        for (int id : {415, 416, 420, 421})
          enabledDuringRun.push_back(controls().Enabled(id));
      }
      std::string reply = "OK";
      if (sent.size() > 3)
        reply += std::string(sent.substr(3, sent.size() - 4));
      return {{0, reply + "\r"}};
    };
  }
  void ExpectDisabledDuringAndEnabledAfter() {
    EXPECT_TRUE(seen);
    EXPECT_EQ(enabledDuringRun, (std::vector<bool>{false, false, false, false}));
    for (int id : {415, 416, 420, 421})
      EXPECT_TRUE(controls().Enabled(id)) << id;
  }
  bool seen = false;
  std::vector<bool> enabledDuringRun;
};

TEST_F(BracketTest, SendRunsWithTheDeviceButtonsOff) {
  QTest::mouseClick(widget(415), Qt::LeftButton);
  ExpectDisabledDuringAndEnabledAfter();
  ASSERT_FALSE(boxes.boxes.empty());
  EXPECT_EQ(boxes.boxes.back().title, "設定完了");
  EXPECT_EQ(boxes.boxes.back().text, "本体への設定送信が完了しました。");
}

TEST_F(BracketTest, ClockFromPcSendsThePinnedTime) {
  QTest::mouseClick(widget(420), Qt::LeftButton);
  ExpectDisabledDuringAndEnabledAfter();
  ASSERT_FALSE(line->written.empty());
  EXPECT_EQ(line->written.back(), "TMS260315142530\r");
}

TEST_F(BracketTest, TypedClockDialogRunsWithTheDeviceButtonsOff) {
  std::vector<bool> during;
  bool dialogSeen = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    dialogSeen = dialog != nullptr;
    for (int id : {415, 416, 420, 421})
      during.push_back(controls().Enabled(id));
    if (auto* d = qobject_cast<QDialog*>(dialog))
      d->reject();
  });
  QTest::mouseClick(widget(421), Qt::LeftButton);
  EXPECT_TRUE(dialogSeen);
  EXPECT_EQ(during, (std::vector<bool>{false, false, false, false}));
  for (int id : {415, 416, 420, 421})
    EXPECT_TRUE(controls().Enabled(id)) << id;
}

TEST_F(BracketTest, FileClockDialogLeavesTheDeviceButtonsAlone) {
  std::vector<bool> during;
  QTimer::singleShot(0, [&] {
    for (int id : {415, 420})
      during.push_back(controls().Enabled(id));
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
      d->reject();
  });
  QTest::mouseClick(widget(422), Qt::LeftButton);
  EXPECT_EQ(during, (std::vector<bool>{true, true}));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The window on a real serial line to the simulator.
class SimWindowTest : public WindowTest {
 protected:
  std::unique_ptr<device::SerialLine> MakeLine() override {
    return std::make_unique<device::QtSerialLine>();
  }
  void Connect() {
    device::DeviceLink& link = window->Link();
    ASSERT_EQ(device::OpenDevicePort(link, sim.path(), device::LineSettings{}), device::kLinkOk);
    ASSERT_EQ(device::QueryDeviceStatus(link, *window->Context().mainNotifier), 1);
    device::RefreshLinkStatus(link);
  }
  SimProcess sim;
};

TEST_F(SimWindowTest, SendThenReceiveRoundTripsThePages) {
  Connect();
  EXPECT_EQ(controls().Text(200), "接続状態 : 接続中 (ファームウェア Ver1.01)");
  ASSERT_TRUE(controls().Enabled(415));
  controls().SetChecked(800, true);
  controls().SetText(510, "0D");
  controls().SetText(511, "0A");
  controls().SetText(645, "TXT");
  controls().SetComboIndex(336, 1);
  QTest::mouseClick(widget(415), Qt::LeftButton);
  ASSERT_FALSE(boxes.boxes.empty());
  EXPECT_EQ(boxes.boxes.back().text, "本体への設定送信が完了しました。");
  const auto received = sim.ReceivedLines();
  EXPECT_NE(std::find(received.begin(), received.end(), "BDS00D0A"), received.end());

  controls().SetChecked(800, false);
  controls().SetText(510, "");
  controls().SetText(511, "");
  controls().SetText(645, "LOG");
  controls().SetComboIndex(336, 0);
  boxes.boxes.clear();
  QTest::mouseClick(widget(416), Qt::LeftButton);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes.back().text, "本体からの設定取得が完了しました。");
  EXPECT_TRUE(controls().Checked(800));
  EXPECT_EQ(controls().Text(510), "0D");
  EXPECT_EQ(controls().Text(511), "0A");
  EXPECT_EQ(controls().Text(645), "TXT");
  EXPECT_EQ(controls().ComboIndex(336), 1);
  for (int id : {415, 416, 420, 421})
    EXPECT_TRUE(controls().Enabled(id)) << id;

  QTest::mouseClick(widget(401), Qt::LeftButton);
  EXPECT_EQ(controls().Text(200), "接続状態 : 未接続");
  EXPECT_FALSE(controls().Enabled(415));
}

}  // namespace
}  // namespace km62rx::testing
