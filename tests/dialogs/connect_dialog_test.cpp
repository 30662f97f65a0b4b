#include "app/connect_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "device/connection.h"
#include "dialog_harness.h"

namespace km62rx::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr const char* kDialog = "connectDialog";

template <typename T>
T* Control(QWidget& dialog, int id) {
  T* control = dialog.findChild<T*>(QStringLiteral("ctl%1").arg(id));
  EXPECT_NE(control, nullptr) << "control " << id;
  return control;
}

std::vector<std::string> Items(QComboBox* combo) {
  std::vector<std::string> items;
  for (int i = 0; i < combo->count(); ++i)
    items.push_back(combo->itemText(i).toStdString());
  return items;
}

void Click(QWidget& dialog, int id) {
  QTest::mouseClick(Control<QPushButton>(dialog, id), Qt::LeftButton);
}

class ConnectDialogTest : public DialogTest {};

TEST_F(ConnectDialogTest, ShowsTextsCombosAndDefaults) {
  DialogHarness h;
  h.ports = {"ttyS7", "/dev/pts/90", "COM3"};
  app::ConnectDialog dialog(h.ctx);
  EXPECT_EQ(dialog.windowTitle().toStdString(), "シリアル接続");

  const std::pair<int, const char*> labels[] = {
      {210, "※ 本体DIPスイッチと通信条件を合わせてください ※"},
      {211, "ポート"},
      {212, "データ長"},
      {213, "パリティ/ストップ"},
      {214, "通信速度"},
      {215, "フロー制御"}};
  for (const auto& [id, text] : labels) {
    EXPECT_EQ(Control<QLabel>(dialog, id)->text().toStdString(), text);
  }
  EXPECT_EQ(Control<QPushButton>(dialog, 410)->text().toStdString(), "接続");
  EXPECT_EQ(Control<QPushButton>(dialog, 411)->text().toStdString(), "キャンセル");

  EXPECT_THAT(Items(Control<QComboBox>(dialog, 300)), ElementsAre("ttyS7", "/dev/pts/90", "COM3"));
  EXPECT_THAT(Items(Control<QComboBox>(dialog, 301)), ElementsAre("8ビット", "7ビット"));
  EXPECT_THAT(Items(Control<QComboBox>(dialog, 302)),
              ElementsAre("なし / 2bit", "EVEN / 1bit", "ODD  / 1bit"));
  EXPECT_THAT(Items(Control<QComboBox>(dialog, 303)),
              ElementsAre("115200", "38400", "19200", "9600", "4800", "2400", "1200", "600"));
  EXPECT_THAT(Items(Control<QComboBox>(dialog, 304)), ElementsAre("CTS/RTS", "XON/XOFF"));
  for (int id = 300; id <= 304; ++id) {
    EXPECT_EQ(Control<QComboBox>(dialog, id)->currentIndex(), 0) << id;
  }
  // No default button that Enter could press.
  for (int id : {410, 411}) {
    EXPECT_FALSE(Control<QPushButton>(dialog, id)->isDefault());
    EXPECT_FALSE(Control<QPushButton>(dialog, id)->autoDefault());
  }

  const std::optional<device::LineSettings> settings = dialog.ChosenLineSettings();
  ASSERT_TRUE(settings);
  EXPECT_EQ(*settings,
            (device::LineSettings{115200, 8, device::kParityNone, device::kTwoStopBits, 0, 0}));
}

TEST_F(ConnectDialogTest, LaysControlsOutInDialogUnits) {
  DialogHarness h;
  h.ports = {"ttyS7"};
  app::ConnectDialog dialog(h.ctx);
  const QRect box = Control<QPushButton>(dialog, 410)->geometry();
  const QRect cancel = Control<QPushButton>(dialog, 411)->geometry();
  // Both buttons are 50 x 14 units at y 120; キャンセル is 80 units further right.
  EXPECT_EQ(box.size(), cancel.size());
  EXPECT_EQ(box.top(), cancel.top());
  EXPECT_GT(cancel.left(), box.left());
  EXPECT_NEAR(static_cast<double>(cancel.left()) / box.left(), 160.0 / 80.0, 0.05);
  EXPECT_NEAR(static_cast<double>(box.width()) / 50 * 300, dialog.width(), 8);
  EXPECT_GT(dialog.height(), box.bottom());
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());  // fixed size
}

TEST_F(ConnectDialogTest, MapsEveryChoiceToLineSettings) {
  struct Case {
    int dataBits, parity, baud, flow;
    device::LineSettings expected;
  };
  const Case cases[] = {
      {1, 0, 0, 0, {115200, 7, device::kParityNone, device::kTwoStopBits, 0, 0}},
      {0, 1, 1, 0, {38400, 8, device::kParityEven, device::kOneStopBit, 1, 0}},
      {0, 2, 3, 1, {9600, 8, device::kParityOdd, device::kOneStopBit, 1, 1}},
      {1, 2, 7, 1, {600, 7, device::kParityOdd, device::kOneStopBit, 1, 1}},
  };
  DialogHarness h;
  h.ports = {"ttyS7"};
  app::ConnectDialog dialog(h.ctx);
  for (const Case& c : cases) {
    Control<QComboBox>(dialog, 301)->setCurrentIndex(c.dataBits);
    Control<QComboBox>(dialog, 302)->setCurrentIndex(c.parity);
    Control<QComboBox>(dialog, 303)->setCurrentIndex(c.baud);
    Control<QComboBox>(dialog, 304)->setCurrentIndex(c.flow);
    const std::optional<device::LineSettings> settings = dialog.ChosenLineSettings();
    ASSERT_TRUE(settings);
    EXPECT_EQ(*settings, c.expected) << c.dataBits << c.parity << c.baud << c.flow;
  }
}

// Watches for a connect dialog being shown, and closes it if one is.
class ShowSpy : public QObject {
 public:
  ShowSpy() { qApp->installEventFilter(this); }
  ~ShowSpy() override { qApp->removeEventFilter(this); }
  int shown = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<app::ConnectDialog*>(watched)) {
      ++shown;
      auto* dialog = static_cast<QDialog*>(watched);
      QTimer::singleShot(0, dialog, &QDialog::reject);
    }
    return false;
  }
};

TEST_F(ConnectDialogTest, WithoutPortsShowsTheBoxAndNeverTheDialog) {
  DialogHarness h;
  ShowSpy spy;
  app::RunConnectDialog(h.ctx);
  EXPECT_EQ(spy.shown, 0);
  EXPECT_THAT(h.log.boxes, ElementsAre(OwnedBox{kDialog, "エラー", "COMポートが見つかりません。"}));
  EXPECT_EQ(h.link.connected, 0);
}

TEST_F(ConnectDialogTest, ConnectsAndShowsTheClockForEachCardAndFirmware) {
  const std::string noCard =
      "SDカードが挿入されていません。\r\n時刻以外の本体設定を変更する際は、SDカードを挿入してから再"
      "接続してください。";
  const std::string protectedCard =
      "SDカードが書込保護されています。\r\n時刻以外の本体設定を変更する際は、SDカードの保護を解除し"
      "てから再接続してください。";
  const std::string oldFirmware =
      "KM-62RX本体ファームウェアバージョンが古いため「タイムスタンプ機能」は設定できません。";
  struct Case {
    std::vector<std::string> options;
    int sdState;
    int firmware;
    int timestampSupported;
    std::vector<OwnedBox> mainBoxes;  // boxes of the handshake
    std::string clockText;            // start of the dialog's closing box
  };
  const Case cases[] = {
      {{"--answer-wake"}, 1, 101, 1, {}, "本体時刻 : 20"},
      {{"--answer-wake", "--sd", "absent"},
       0,
       101,
       1,
       {{DialogHarness::kMainWindow, "注意", noCard}},
       "本体時刻 : 20"},
      {{"--answer-wake", "--sd", "protected"},
       3,
       101,
       1,
       {{DialogHarness::kMainWindow, "注意", protectedCard}},
       "本体時刻 : 20"},
      {{"--answer-wake", "--firmware", "100"},
       1,
       100,
       0,
       {{DialogHarness::kMainWindow, "情報", oldFirmware}},
       "本体時刻 : 20"},
      {{"--answer-wake", "--clock-unset"}, 1, 101, 1, {}, "本体時刻 : 未設定"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options.back());
    DialogHarness h(c.options);
    app::ConnectDialog dialog(h.ctx);
    ASSERT_TRUE(dialog.ReadyToShow());
    dialog.show();

    // The buttons are disabled while the port opens.
    std::vector<bool> enabledWhileOpening;
    struct Hook : device::LinkStatusView {
      std::function<void()> onChange;
      void LinkStatusChanged(const device::DeviceLink&) override { onChange(); }
    } hook;
    hook.onChange = [&] {
      if (h.link.connected == 1 && enabledWhileOpening.empty()) {
        enabledWhileOpening = {Control<QPushButton>(dialog, 410)->isEnabled(),
                               Control<QPushButton>(dialog, 411)->isEnabled()};
      }
    };
    h.link.view = &hook;

    Click(dialog, 410);

    EXPECT_THAT(enabledWhileOpening, ElementsAre(false, false));
    EXPECT_EQ(h.link.connected, 1);
    EXPECT_EQ(h.link.sdState, c.sdState);
    EXPECT_EQ(h.link.firmwareVersion, c.firmware);
    EXPECT_EQ(h.link.timestampSupported, c.timestampSupported);
    EXPECT_TRUE(h.line.IsOpen());
    EXPECT_THAT(h.SimLines(), ElementsAre("", "DEA", "DEV", "DEC", "TMG"));
    ASSERT_EQ(h.log.boxes.size(), c.mainBoxes.size() + 1);
    for (std::size_t i = 0; i < c.mainBoxes.size(); ++i)
      EXPECT_EQ(h.log.boxes[i], c.mainBoxes[i]);
    const OwnedBox& clockBox = h.log.boxes.back();
    EXPECT_EQ(clockBox.owner, kDialog);
    EXPECT_EQ(clockBox.title, "接続しました");
    EXPECT_THAT(clockBox.text, StartsWith(c.clockText));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    h.link.view = nullptr;
    device::CloseDeviceLink(h.link);
  }
}

TEST_F(ConnectDialogTest, WrongModelKeepsTheDialogOpenAndEachTryOpensAfresh) {
  DialogHarness h(Options{"--answer-wake", "--model", "KM-61RX"});
  app::ConnectDialog dialog(h.ctx);
  dialog.show();
  Control<QComboBox>(dialog, 303)->setCurrentIndex(3);  // 9600
  Control<QComboBox>(dialog, 304)->setCurrentIndex(1);  // XON/XOFF

  Click(dialog, 410);
  const OwnedBox wrongDevice{kDialog, "接続エラー", "有効なKM-62RXではありません。"};
  EXPECT_THAT(h.log.boxes, ElementsAre(wrongDevice));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(h.link.connected, 0);
  EXPECT_FALSE(h.line.IsOpen());
  EXPECT_EQ(Control<QComboBox>(dialog, 303)->currentText().toStdString(), "9600");
  EXPECT_EQ(Control<QComboBox>(dialog, 304)->currentIndex(), 1);
  EXPECT_TRUE(Control<QPushButton>(dialog, 410)->isEnabled());
  EXPECT_TRUE(Control<QPushButton>(dialog, 411)->isEnabled());

  Click(dialog, 410);
  EXPECT_THAT(h.log.boxes, ElementsAre(wrongDevice, wrongDevice));
  EXPECT_THAT(h.SimLines(), ElementsAre("", "DEA", "", "DEA"));
  EXPECT_FALSE(h.line.IsOpen());

  Click(dialog, 411);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ConnectDialogTest, PortThatCannotBeOpened) {
  DialogHarness h;
  h.ports = {"/dev/km62rx-no-such-port"};
  app::ConnectDialog dialog(h.ctx);
  dialog.show();
  Click(dialog, 410);
  EXPECT_THAT(h.log.boxes, ElementsAre(OwnedBox{kDialog, "接続エラー", "COMポートエラー。"}));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(h.link.connected, 0);
  dialog.close();
  EXPECT_FALSE(dialog.isVisible());  // the close box closes it
}

TEST_F(ConnectDialogTest, SilentPortFailsAfterTheReplyTimeOut) {
  DialogHarness h(Options{"--silent"});
  app::ConnectDialog dialog(h.ctx);
  dialog.show();
  Click(dialog, 410);
  EXPECT_THAT(h.log.boxes, ElementsAre(OwnedBox{kDialog, "接続エラー", "送受信に失敗しました。"}));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(h.line.IsOpen());
  EXPECT_EQ(h.link.connected, 0);
  Click(dialog, 411);
}

TEST_F(ConnectDialogTest, HandshakeThatDisconnectsKeepsTheDialogOpen) {
  DialogHarness h(Options{"--answer-wake", "--reply", "DEV=01"});
  app::ConnectDialog dialog(h.ctx);
  dialog.show();
  Click(dialog, 410);
  EXPECT_THAT(h.log.boxes, ElementsAre(OwnedBox{DialogHarness::kMainWindow, "エラー",
                                                "不明なエラーが発生しました。"}));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(h.link.connected, 0);
  EXPECT_FALSE(h.line.IsOpen());
  EXPECT_THAT(h.SimLines(), ElementsAre("", "DEA", "DEV"));
  Click(dialog, 411);
}

TEST_F(ConnectDialogTest, ClockThatCannotBeReadStillClosesTheDialogConnected) {
  DialogHarness h(Options{"--answer-wake", "--reply", "TMG=99"});
  app::ConnectDialog dialog(h.ctx);
  dialog.show();
  Click(dialog, 410);
  EXPECT_THAT(h.log.boxes,
              ElementsAre(OwnedBox{kDialog, "応答エラー", "KM-62RXからの応答が不正な値です。"}));
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(h.link.connected, 1);
  device::CloseDeviceLink(h.link);
}

TEST_F(ConnectDialogTest, EnterAndEscapeDoNotActFromACombo) {
  DialogHarness h(Options{"--answer-wake"});
  app::ConnectDialog dialog(h.ctx);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  // Straight after opening, the port list has the focus.
  EXPECT_EQ(dialog.focusWidget(), Control<QComboBox>(dialog, 300));
  QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
  QComboBox* baud = Control<QComboBox>(dialog, 303);
  baud->setFocus();
  QTest::keyClick(baud, Qt::Key_Return);
  QTest::keyClick(baud, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(baud, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(h.SimLines().empty());
  EXPECT_TRUE(h.log.boxes.empty());

  // Enter on the focused "キャンセル" button presses it.
  QPushButton* cancel = Control<QPushButton>(dialog, 411);
  cancel->setFocus();
  QTest::keyClick(cancel, Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(ConnectDialogTest, RunsModallyFromTheMainWindowAndStartsFresh) {
  DialogHarness h(Options{"--answer-wake"});
  // First opening: change a choice, then cancel.
  WhenModalShown([](QWidget* modal) {
    ASSERT_NE(qobject_cast<app::ConnectDialog*>(modal), nullptr);
    EXPECT_TRUE(modal->isModal());
    Control<QComboBox>(*modal, 303)->setCurrentIndex(5);
    Click(*modal, 411);
  });
  app::RunConnectDialog(h.ctx);
  EXPECT_EQ(h.link.connected, 0);

  // Second opening shows the defaults again; connect.
  WhenModalShown([](QWidget* modal) {
    EXPECT_EQ(Control<QComboBox>(*modal, 303)->currentIndex(), 0);
    EXPECT_EQ(modal->parentWidget()->objectName().toStdString(), DialogHarness::kMainWindow);
    Click(*modal, 410);
  });
  app::RunConnectDialog(h.ctx);
  EXPECT_EQ(h.link.connected, 1);
  ASSERT_EQ(h.log.boxes.size(), 1u);
  EXPECT_EQ(h.log.boxes[0].title, "接続しました");

  // A reconnect while connected closes the old port first and connects again.
  WhenModalShown([](QWidget* modal) { Click(*modal, 410); });
  app::RunConnectDialog(h.ctx);
  EXPECT_EQ(h.link.connected, 1);
  EXPECT_THAT(h.SimLines(),
              ElementsAre("", "DEA", "DEV", "DEC", "TMG", "", "DEA", "DEV", "DEC", "TMG"));
  device::CloseDeviceLink(h.link);
}

}  // namespace
}  // namespace km62rx::testing
