#include "app/connect_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "device/connection.h"
#include "dialog_harness.h"

namespace km62rx::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

constexpr const char* kDialog = "connectDialog";

QComboBox* Combo(QWidget& dialog, int id) {
  return ChildControl<QComboBox>(dialog, id);
}

class ConnectDialogTest : public DialogTest {};

TEST_F(ConnectDialogTest, PortsAsListedAndKeysThatDoNothing) {
  DialogHarness h;
  h.ports = {"ttyS7", "/dev/pts/90", "COM3"};
  app::ConnectDialog dialog(h.ctx);
  ShowActive(dialog);
  QComboBox* ports = Combo(dialog, 300);
  ASSERT_EQ(ports->count(), 3);  // as discovery lists them
  EXPECT_EQ(ports->itemText(1).toStdString(), "/dev/pts/90");
  for (const auto& [id, index] : {std::pair{301, 1}, {302, 2}, {303, 7}, {304, 1}})
    Combo(dialog, id)->setCurrentIndex(index);
  EXPECT_EQ(dialog.ChosenLineSettings(),
            (device::LineSettings{600, 7, device::kParityOdd, device::kOneStopBit, 1, 1}));

  // The port list has the focus; Enter and Escape there do nothing. Enter
  // on a focused button presses it.
  EXPECT_EQ(dialog.focusWidget(), ports);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
    QTest::keyClick(ports, key);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(h.log.boxes.empty());  // no try to connect
  QWidget* cancel = ChildControl(dialog, 411);
  cancel->setFocus();
  QTest::keyClick(cancel, Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// The findings for each card and firmware are checked on the scripted line;
// here one connect with a write-protected card, end to end.
TEST_F(ConnectDialogTest, ConnectsWithBusyCursorAndShowsTheClock) {
  DialogHarness h(Options{"--answer-wake", "--sd", "protected"});
  app::ConnectDialog dialog(h.ctx);
  ASSERT_TRUE(dialog.ReadyToShow());
  dialog.show();
  // The buttons are off and the cursor busy while the port opens.
  std::vector<bool> enabledWhileOpening;
  struct Hook : device::LinkStatusView {
    std::function<void()> onChange;
    void LinkStatusChanged(const device::DeviceLink&) override { onChange(); }
  } hook;
  hook.onChange = [&] {
    if (h.link.connected == 1 && enabledWhileOpening.empty()) {
      enabledWhileOpening = {ChildControl<QPushButton>(dialog, 410)->isEnabled(),
                             ChildControl<QPushButton>(dialog, 411)->isEnabled(), Busy()};
    }
  };
  h.link.view = &hook;
  ClickControl(dialog, 410);
  EXPECT_THAT(enabledWhileOpening, ElementsAre(false, false, true));
  EXPECT_FALSE(Busy());
  EXPECT_EQ(h.link.sdState, 3);
  EXPECT_THAT(h.SimLines(), ElementsAre("", "DEA", "DEV", "DEC", "TMG"));
  ASSERT_EQ(h.log.boxes.size(), 2u);
  EXPECT_EQ(h.log.boxes[0].owner, DialogHarness::kMainWindow);
  EXPECT_EQ(h.log.boxes[0].title, "注意");
  EXPECT_EQ(h.log.boxes[1].owner, kDialog);
  EXPECT_EQ(h.log.boxes[1].title, "接続しました");
  EXPECT_THAT(h.log.boxes[1].text, StartsWith("本体時刻 : 20"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  h.link.view = nullptr;
  device::CloseDeviceLink(h.link);
}

TEST_F(ConnectDialogTest, WrongModelKeepsTheDialogAndItsChoicesAndEachTryOpensAfresh) {
  DialogHarness h(Options{"--answer-wake", "--model", "KM-61RX"});
  app::ConnectDialog dialog(h.ctx);
  dialog.show();
  Combo(dialog, 303)->setCurrentIndex(3);  // 9600
  ClickControl(dialog, 410);
  ClickControl(dialog, 410);
  const OwnedBox wrongDevice{kDialog, "接続エラー", "有効なKM-62RXではありません。"};
  EXPECT_THAT(h.log.boxes, ElementsAre(wrongDevice, wrongDevice));
  EXPECT_THAT(h.SimLines(), ElementsAre("", "DEA", "", "DEA"));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(h.line.IsOpen());
  EXPECT_EQ(h.link.connected, 0);
  EXPECT_EQ(Combo(dialog, 303)->currentText().toStdString(), "9600");
  EXPECT_TRUE(ChildControl<QPushButton>(dialog, 410)->isEnabled());
  ClickControl(dialog, 411);
}

// What the dialog does after each kind of failed connect.
TEST_F(ConnectDialogTest, FailuresAfterThePortOpened) {
  struct Case {
    std::vector<std::string> options;
    OwnedBox box;
    bool connected;  // the dialog closes only when connected
  };
  const Case cases[] = {
      {{"--silent"}, {kDialog, "接続エラー", "送受信に失敗しました。"}, false},
      {{"--answer-wake", "--reply", "DEV=01"},
       {"mainWindow", "エラー", "不明なエラーが発生しました。"},
       false},
      {{"--answer-wake", "--reply", "TMG=99"},
       {kDialog, "応答エラー", "KM-62RXからの応答が不正な値です。"},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options.back());
    DialogHarness h(c.options);
    app::ConnectDialog dialog(h.ctx);
    dialog.show();
    ClickControl(dialog, 410);
    EXPECT_THAT(h.log.boxes, ElementsAre(c.box));
    EXPECT_EQ(h.link.connected, c.connected ? 1 : 0);
    EXPECT_EQ(h.line.IsOpen(), c.connected);
    EXPECT_EQ(dialog.isVisible(), !c.connected);
    dialog.close();
    device::CloseDeviceLink(h.link);
  }
}

}  // namespace
}  // namespace km62rx::testing
