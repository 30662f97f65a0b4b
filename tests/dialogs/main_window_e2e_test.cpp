// The window's commands end to end: the real main window, its dialogs and a
// QSerialPort line to the logger simulator, driven by mouse clicks.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/clock_dialog.h"
#include "app/connect_dialog.h"
#include "app/main_window.h"
#include "device/control_ids.h"
#include "dialog_harness.h"
#include "settings/logger_settings.h"
#include "settings/settings_format.h"
#include "ui/qt/qt_page_controls.h"

namespace km62rx::testing {
namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Not;
using ::testing::StartsWith;

constexpr const char* kMain = DialogHarness::kMainWindow;

// Whether every line is a request of the given kind: 'S' set, 'G' get.
auto AllRequestsOfKind(char kind) {
  return Each(::testing::Truly(
      [kind](const std::string& line) { return line.size() >= 3 && line[2] == kind; }));
}

class MainWindowTest : public DialogTest {
 protected:
  void Start(Options simOptions) {
    h = std::make_unique<DialogHarness>(std::move(simOptions));
    window =
        std::make_unique<app::MainWindow>(h->services, std::make_unique<device::QtSerialLine>());
    window->setObjectName(kMain);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override {
    if (window)
      window->close();
    window.reset();
    h.reset();
    DialogTest::TearDown();
  }

  ui::QtPageControls& pages() { return window->Controls(); }
  void Click(int id) {
    auto* button = qobject_cast<QAbstractButton*>(pages().Widget(id));
    ASSERT_NE(button, nullptr) << id;
    ASSERT_TRUE(button->isEnabled()) << id;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void ConnectThroughDialog() {
    WhenModalShown([](QWidget* modal) {
      ASSERT_NE(qobject_cast<app::ConnectDialog*>(modal), nullptr);
      ClickControl(*modal, 410);
    });
    Click(ids::kConnectButton);
    ASSERT_EQ(window->Link().connected, 1);
  }
  // Lines the simulator received since the last Mark().
  std::vector<std::string> SentSinceMark() {
    const std::vector<std::string> lines = h->SimLines();
    return {lines.begin() + static_cast<long>(std::min(mark_, lines.size())), lines.end()};
  }
  void Mark() {
    mark_ = h->SimLines().size();
    h->log.boxes.clear();
  }
  std::vector<bool> DeviceButtonsEnabled() {
    std::vector<bool> enabled;
    for (int id : {ids::kSendButton, ids::kReceiveButton, ids::kClockFromPcButton,
                   ids::kClockFromDialogButton, ids::kDisconnectButton}) {
      enabled.push_back(pages().Enabled(id));
    }
    return enabled;
  }

  std::unique_ptr<DialogHarness> h;
  std::unique_ptr<app::MainWindow> window;

 private:
  std::size_t mark_ = 0;
};

TEST_F(MainWindowTest, ConnectsShowsThePanelAndDisconnects) {
  Start({"--answer-wake"});
  EXPECT_EQ(DeviceButtonsEnabled(), std::vector<bool>(5, false));
  ConnectThroughDialog();
  EXPECT_EQ(pages().Text(ids::kStatusLine), "接続状態 : 接続中 (ファームウェア Ver1.01)");
  EXPECT_EQ(DeviceButtonsEnabled(), std::vector<bool>(5, true));
  ASSERT_EQ(h->log.boxes.size(), 1u);
  EXPECT_EQ(h->log.boxes[0].owner, "connectDialog");
  EXPECT_EQ(h->log.boxes[0].title, "接続しました");

  Click(ids::kDisconnectButton);
  EXPECT_EQ(window->Link().connected, 0);
  EXPECT_EQ(pages().Text(ids::kStatusLine), "接続状態 : 未接続");
  EXPECT_EQ(DeviceButtonsEnabled(), std::vector<bool>(5, false));
}

TEST_F(MainWindowTest, SendsThePagesAndReceivesThemBack) {
  Start({"--answer-wake"});
  ConnectThroughDialog();
  Mark();
  pages().SetText(ids::kExtensionField, "TXT");
  pages().SetChecked(ids::StartDataCheck(1), true);
  pages().SetText(ids::StartDataByte(1, 0), "0D");
  pages().SetText(ids::StartDataByte(1, 1), "0A");
  pages().SetComboIndex(ids::kTimestampTypeCombo, 1);

  Click(ids::kSendButton);
  const std::vector<std::string> sent = SentSinceMark();
  EXPECT_THAT(sent, AllOf(Contains("LESTXT"), Contains("BDS10D0A"), AllRequestsOfKind('S')));
  EXPECT_THAT(h->log.boxes,
              ElementsAre(OwnedBox{kMain, "設定完了", "本体への設定送信が完了しました。"}));

  // Change the pages, then fetch the logger's values back onto them.
  pages().SetText(ids::kExtensionField, "LOG");
  pages().SetChecked(ids::StartDataCheck(1), false);
  pages().SetComboIndex(ids::kTimestampTypeCombo, 0);
  Mark();
  Click(ids::kReceiveButton);
  const std::vector<std::string> received = SentSinceMark();
  EXPECT_THAT(received, AllOf(Contains("LEG"), AllRequestsOfKind('G')));
  EXPECT_EQ(received.size(), sent.size());
  EXPECT_THAT(h->log.boxes,
              ElementsAre(OwnedBox{kMain, "取得完了", "本体からの設定取得が完了しました。"}));
  EXPECT_EQ(pages().Text(ids::kExtensionField), "TXT");
  EXPECT_TRUE(pages().Checked(ids::StartDataCheck(1)));
  EXPECT_EQ(pages().ComboIndex(ids::kTimestampTypeCombo), 1);
}

// A logger that hangs up during a run: the run stops with its box, and the
// window, once idle, shows the logger gone without a further box.
TEST_F(MainWindowTest, AHangUpStopsTheRunAndThePanelThenShowsTheLoggerGone) {
  Start({"--answer-wake", "--hangup-after", "10"});  // the connect takes five lines
  ConnectThroughDialog();
  Mark();
  Click(ids::kSendButton);
  EXPECT_THAT(h->log.boxes,
              ElementsAre(OwnedBox{kMain, "接続エラー",
                                   "設定の送信中に接続エラーが発生しました。\r\n"
                                   "不完全な設定が本体に反映された可能性があります。\r\n"
                                   "接続を確認して再度設定を試みてください。"}));
  EXPECT_THAT(SentSinceMark(),
              AllOf(Contains(StartsWith("BTS")), Not(Contains(StartsWith("EDS")))));
  EXPECT_EQ(window->Link().connected, 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->Link().connected == 0; }, 2000));
  EXPECT_FALSE(window->Link().port->IsOpen());
  EXPECT_EQ(pages().Text(ids::kStatusLine), "接続状態 : 未接続");
  EXPECT_EQ(DeviceButtonsEnabled(), std::vector<bool>(5, false));
  EXPECT_EQ(h->log.boxes.size(), 1u);
}

// Loading and saving through the buttons: an extension in Shift_JIS is kept
// byte for byte and, edited in the window, saved in Shift_JIS.
TEST_F(MainWindowTest, LoadAndSaveKeepAShiftJisExtension) {
  Start({"--answer-wake"});
  TempFolder folder;
  const std::string text = settings::FormatSettingsFile(settings::DefaultSettings());
  const std::string path = folder.File("SJIS.CFG");
  WriteFile(path, Replaced(text, "FILE_EXTENSION=LOG",
                           "FILE_EXTENSION=\x93\xFA"
                           "A"));
  h->chooserAnswer = path;
  Click(ids::kLoadFileButton);
  EXPECT_EQ(pages().LineEdit(ids::kExtensionField)->text(), QStringLiteral("日A"));

  h->chooserAnswer = folder.File("SAVED.CFG");
  Click(ids::kSaveFileButton);
  EXPECT_EQ(ReadFile(*h->chooserAnswer), ReadFile(path));
  pages().LineEdit(ids::kExtensionField)->setText(QStringLiteral("日B"));
  Click(ids::kSaveFileButton);
  EXPECT_EQ(ReadFile(*h->chooserAnswer), Replaced(text, "FILE_EXTENSION=LOG",
                                                  "FILE_EXTENSION=\x93\xFA"
                                                  "B"));
}

TEST_F(MainWindowTest, ClockButtons) {
  Start({"--answer-wake"});
  TempFolder folder;
  h->chooserAnswer = folder.File("CLOCK.CFG");

  // Into a file: the dialog for a file, without a connection.
  WhenModalShown([](QWidget* modal) {
    ASSERT_NE(qobject_cast<app::ClockDialog*>(modal), nullptr);
    EXPECT_FALSE(ControlText(*modal, 280).empty());
    ChildControl<QLineEdit>(*modal, 500)->setText("2031");
    ClickControl(*modal, 424);
  });
  Click(ids::kClockToFileButton);
  EXPECT_NE(ReadFile(*h->chooserAnswer).find("TIME_CALENDAR=310305070809\r\nTIME_SET=0\r\n"),
            std::string::npos);
  EXPECT_THAT(h->chooserOwners, ElementsAre(kMain));
  EXPECT_THAT(h->log.boxes,
              ElementsAre(OwnedBox{"clockDialog", "設定保存",
                                   "設定ファイルに書き出しました。\r\n本体に読込させる"
                                   "ためには、SDカード内の指定フォルダに格納されている"
                                   "必要があります。\r\n"}));

  ConnectThroughDialog();
  Mark();
  Click(ids::kClockFromPcButton);
  EXPECT_THAT(SentSinceMark(), ElementsAre("TMS260305070809"));
  EXPECT_THAT(h->log.boxes,
              ElementsAre(OwnedBox{kMain, "本体時刻設定", "2026/03/05 07:08:09 に設定しました。"}));

  Mark();
  WhenModalShown([](QWidget* modal) {
    EXPECT_TRUE(ControlText(*modal, 280).empty());
    ChildControl<QLineEdit>(*modal, 503)->setText("21");
    ClickControl(*modal, 424);
  });
  Click(ids::kClockFromDialogButton);
  EXPECT_THAT(SentSinceMark(), ElementsAre("TMS260305210809"));
  EXPECT_EQ(h->log.boxes.size(), 1u);
}

}  // namespace
}  // namespace km62rx::testing
