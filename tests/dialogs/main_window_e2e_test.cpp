// The window's commands end to end: the real main window, its dialogs and a
// termios line to the logger simulator, driven by mouse clicks.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/clock_dialog.h"
#include "app/connect_dialog.h"
#include "device/control_ids.h"
#include "sim_window.h"

namespace km62rx::testing {
namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;
using ::testing::StartsWith;

class MainWindowTest : public SimWindowTest {
 protected:
  void ConnectThroughDialog() {
    WhenModalShown([](QWidget* modal) {
      ASSERT_NE(qobject_cast<app::ConnectDialog*>(modal), nullptr);
      ClickControl(*modal, 410);
    });
    Click(ids::kConnectButton);
    ASSERT_EQ(link().connected, 1);
  }
};

// A connect with a write-protected card: the dialog's buttons are off and
// the cursor busy while the port opens; the panel then shows the logger.
TEST_F(MainWindowTest, ConnectsShowsThePanelAndDisconnects) {
  StartSim({"--answer-wake", "--sd", "protected"});
  std::vector<bool> whileOpening;  // OK, キャンセル, busy
  struct Hook : device::LinkStatusView {
    std::function<void(const device::DeviceLink&)> onChange;
    void LinkStatusChanged(const device::DeviceLink& l) override { onChange(l); }
  } hook;
  device::LinkStatusView* const panel = link().view;
  hook.onChange = [&](const device::DeviceLink& l) {
    auto* dialog = qobject_cast<app::ConnectDialog*>(QApplication::activeModalWidget());
    if (l.connected == 1 && whileOpening.empty() && dialog != nullptr)
      whileOpening = {ChildControl(*dialog, 410)->isEnabled(),
                      ChildControl(*dialog, 411)->isEnabled(), Busy()};
    panel->LinkStatusChanged(l);
  };
  link().view = &hook;
  ConnectThroughDialog();
  link().view = panel;
  EXPECT_THAT(whileOpening, ElementsAre(false, false, true));
  EXPECT_FALSE(Busy());
  EXPECT_TEXT(controls().Text(ids::kStatusLine), "接続状態 : 接続中 (ファームウェア Ver1.01)");
  // The card's box goes to the window, the clock's to the dialog (their texts: the device tests).
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].owner, kMain);
  EXPECT_EQ(boxes[1].owner, "connectDialog");

  Click(ids::kDisconnectButton);
  EXPECT_TEXT(controls().Text(ids::kStatusLine), "接続状態 : 未接続");
}

// A logger that hangs up during a run, after a reconnect gave the port a new descriptor: the run
// stops with its box, and the window, once idle, shows the logger gone without a further box.
TEST_F(MainWindowTest, AHangUpStopsTheRunAndThePanelThenShowsTheLoggerGone) {
  StartSim({"--answer-wake", "--hangup-after", "15"});  // each connect takes five lines
  ConnectThroughDialog();
  Click(ids::kDisconnectButton);
  ConnectThroughDialog();
  const std::size_t connectLines = SimLines().size();
  boxes.clear();
  Click(ids::kSendButton);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].owner, kMain);
  EXPECT_TEXT(boxes[0].title, "接続エラー");
  EXPECT_THAT(sim->ReceivedLines(connectLines),
              AllOf(Contains(StartsWith("BTS")), Not(Contains(StartsWith("EDS")))));
  EXPECT_EQ(link().connected, 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return link().connected == 0; }, 2000));
  EXPECT_FALSE(link().port->IsOpen());
  EXPECT_TEXT(controls().Text(ids::kStatusLine), "接続状態 : 未接続");
  EXPECT_EQ(boxes.size(), 1u);
}

// The clock into a file: the dialog for a file, without a connection (the scripted line stays
// closed).
TEST_F(MainWindowTest, ClockIntoAFile) {
  TempFolder folder;
  chooserAnswer = folder.File("CLOCK.CFG");
  WhenModalShown([](QWidget* modal) {
    ASSERT_NE(qobject_cast<app::ClockDialog*>(modal), nullptr);
    TypeInto(ChildControl<QLineEdit>(*modal, 500), "2150");  // still focused at OK: clamped
    ChildControl<QPushButton>(*modal, 424)->click();
  });
  Click(ids::kClockToFileButton);
  EXPECT_NE(ReadFile(*chooserAnswer).find("TIME_CALENDAR=990305070809\r\nTIME_SET=0\r\n"),
            std::string::npos);
  EXPECT_THAT(chooserOwners, ElementsAre(kMain));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].owner, "clockDialog");  // its text: file_commands_test
}

}  // namespace
}  // namespace km62rx::testing
