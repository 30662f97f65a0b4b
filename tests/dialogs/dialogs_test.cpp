// The connect and clock dialogs drawn and driven by keys and clicks.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/clock_dialog.h"
#include "app/connect_dialog.h"
#include "device/connection.h"
#include "sim_window.h"

namespace km62rx::testing {
namespace {

using ::testing::ElementsAre;

constexpr const char* kDialog = "connectDialog";

QComboBox* Combo(QWidget& dialog, int id) {
  return ChildControl<QComboBox>(dialog, id);
}

class ConnectDialogTest : public SimWindowTest {};

TEST_F(ConnectDialogTest, PortsAsListedAndKeysThatDoNothing) {
  ports = {"ttyS7", "/dev/pts/90", "COM3"};
  app::ConnectDialog dialog(ctx());
  ShowActive(dialog);
  ExpectNoJapaneseIn(dialog);
  QComboBox* ports = Combo(dialog, 300);
  ASSERT_EQ(ports->count(), 3);  // as discovery lists them
  EXPECT_EQ(ports->itemText(1).toStdString(), "/dev/pts/90");

  // The port list has the focus; Enter and Escape there do nothing. Enter
  // on a focused button presses it.
  EXPECT_EQ(dialog.focusWidget(), ports);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
    QTest::keyClick(ports, key);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(boxes.empty());  // no try to connect
  QWidget* cancel = ChildControl(dialog, 411);
  cancel->setFocus();
  QTest::keyClick(cancel, Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// A network port keeps the server's line settings; a long name keeps the
// combo's size, fits its opened list and shows whole as the tooltip.
TEST_F(ConnectDialogTest, NetworkPortDisablesTheLineSettings) {
  const QString longName = QStringLiteral("socket://serial-server-2.field-lab.example.org:4001");
  ports = {"ttyS7", longName.toStdString()};
  app::ConnectDialog dialog(ctx());
  ShowActive(dialog);
  QComboBox* ports = Combo(dialog, 300);
  const QSize size = ports->size();
  for (const auto& [key, network] : {std::pair{Qt::Key_Down, true}, std::pair{Qt::Key_Up, false}}) {
    QTest::keyClick(ports, key);
    for (int id = 301; id <= 304; ++id)
      EXPECT_EQ(Combo(dialog, id)->isEnabled(), !network) << id;
    EXPECT_EQ(ports->toolTip(), network ? longName : QStringLiteral("ttyS7"));
  }
  EXPECT_EQ(ports->size(), size);
  EXPECT_GT(ports->view()->minimumWidth(), ports->fontMetrics().horizontalAdvance(longName));
}

// What the dialog does after each kind of failed connect; a second try
// opens the port afresh and the dialog keeps its choices.
TEST_F(ConnectDialogTest, FailuresAfterThePortOpened) {
  struct Case {
    std::vector<std::string> options;
    OwnedBox box;
    bool connected;  // the dialog closes only when connected
  };
  const Case cases[] = {
      {{"--silent"}, {kDialog, "接続エラー", "送受信に失敗しました。"}, false},
      {{"--reply", "DEV=01"}, {kMain, "エラー", "不明なエラーが発生しました。"}, false},
      {{"--reply", "TMG=99"}, {kDialog, "応答エラー", "KM-62RXからの応答が不正な値です。"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options.back());
    Options options = c.options;
    if (options.front() != "--silent")
      options.push_back("--answer-wake");
    StartSim(options);
    app::ConnectDialog dialog(ctx());
    dialog.show();
    Combo(dialog, 303)->setCurrentIndex(3);  // 9600
    ClickControl(dialog, 410);
    EXPECT_THAT(boxes, ElementsAre(c.box));
    EXPECT_EQ(link().connected, c.connected ? 1 : 0);
    EXPECT_EQ(link().port->IsOpen(), c.connected);
    EXPECT_EQ(dialog.isVisible(), !c.connected);
    if (!c.connected) {
      ClickControl(dialog, 410);
      EXPECT_EQ(boxes.size(), 2u);
      const std::vector<std::string> lines = SimLines();
      EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 2);  // woken afresh
      EXPECT_EQ(Combo(dialog, 303)->currentText().toStdString(), "9600");
      EXPECT_TRUE(ChildControl<QPushButton>(dialog, 410)->isEnabled());
    }
    dialog.close();
    device::CloseDeviceLink(link());
  }
}

class ClockDialogTest : public SimWindowTest {};

// Typing, leaving a field (its rules are checked below the widgets) and
// copying the PC time.
TEST_F(ClockDialogTest, TypingLeavingAFieldAndCopyingThePcTime) {
  app::ClockDialog dialog(ctx(), 1);
  ShowActive(dialog);
  QLineEdit* year = ChildControl<QLineEdit>(dialog, 500);
  TypeInto(year, "2a0-2 75");  // digits only, up to four
  EXPECT_EQ(year->text().toStdString(), "2027");
  TypeInto(year, "2150");
  EXPECT_EQ(year->text().toStdString(), "2150");  // unchanged while typing
  QTest::keyClick(year, Qt::Key_Tab);
  EXPECT_EQ(year->text().toStdString(), "2099");
  ClickControl(dialog, 423);
  EXPECT_EQ(year->text().toStdString(), "2026");  // every field: the model's test
  EXPECT_TRUE(dialog.isVisible());
  dialog.reject();
}

// The note only for a file; Enter and Escape do not close the dialog, キャンセル and the close box
// do.
TEST_F(ClockDialogTest, KeysAndClosing) {
  StartSim({"--answer-wake"});
  for (int target : {1, 0}) {
    app::ClockDialog dialog(ctx(), target);
    ShowActive(dialog);
    ExpectNoJapaneseIn(dialog);
    EXPECT_EQ(ControlText(dialog, 280).empty(), target == 1);  // the note, for a file only
    ChildControl<QLineEdit>(dialog, 504)->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
      QTest::keyClick(ChildControl<QLineEdit>(dialog, 504), key);
    EXPECT_TRUE(dialog.isVisible());
    if (target)
      ClickControl(dialog, 425);
    else
      dialog.close();  // the close box
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_TRUE(SimLines().empty());
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace km62rx::testing
