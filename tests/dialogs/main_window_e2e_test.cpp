// The window's commands end to end: the real main window, its dialogs and a
// QSerialPort line to the logger simulator, driven by mouse clicks.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/clock_dialog.h"
#include "app/connect_dialog.h"
#include "app/main_window.h"
#include "device/control_ids.h"
#include "dialog_harness.h"
#include "settings/logger_settings.h"
#include "settings/settings_file.h"
#include "ui/qt/qt_page_controls.h"

namespace km62rx::testing {
namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::Not;
using ::testing::SizeIs;
using ::testing::StartsWith;

constexpr const char* kMain = DialogHarness::kMainWindow;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos)
    text.replace(at, from.size(), to);
  return text;
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
      QTest::mouseClick(modal->findChild<QPushButton*>("ctl410"), Qt::LeftButton);
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

  std::unique_ptr<DialogHarness> h;
  std::unique_ptr<app::MainWindow> window;

 private:
  std::size_t mark_ = 0;
};

TEST_F(MainWindowTest, ConnectsShowsThePanelAndDisconnects) {
  Start({"--answer-wake"});
  EXPECT_EQ(pages().Text(ids::kStatusLine), "接続状態 : 未接続");
  EXPECT_FALSE(pages().Enabled(ids::kSendButton));
  EXPECT_FALSE(pages().Enabled(ids::kDisconnectButton));

  ConnectThroughDialog();
  EXPECT_EQ(pages().Text(ids::kStatusLine), "接続状態 : 接続中 (ファームウェア Ver1.01)");
  EXPECT_EQ(pages().Text(ids::kSdLine), "SDカード : 接続中");
  EXPECT_EQ(pages().Text(ids::kConnectButton), "再接続");
  for (int id : {ids::kSendButton, ids::kReceiveButton, ids::kClockFromPcButton,
                 ids::kClockFromDialogButton, ids::kDisconnectButton}) {
    EXPECT_TRUE(pages().Enabled(id)) << id;
  }
  ASSERT_THAT(h->log.boxes, SizeIs(1));
  EXPECT_EQ(h->log.boxes[0].owner, "connectDialog");
  EXPECT_EQ(h->log.boxes[0].title, "接続しました");

  Click(ids::kDisconnectButton);
  EXPECT_EQ(window->Link().connected, 0);
  EXPECT_EQ(pages().Text(ids::kStatusLine), "接続状態 : 未接続");
  EXPECT_EQ(pages().Text(ids::kSdLine), "SDカード : 未接続");
  EXPECT_EQ(pages().Text(ids::kConnectButton), "接続");
  for (int id : {ids::kSendButton, ids::kReceiveButton, ids::kClockFromPcButton,
                 ids::kClockFromDialogButton, ids::kDisconnectButton}) {
    EXPECT_FALSE(pages().Enabled(id)) << id;
  }
}

TEST_F(MainWindowTest, SendsThePagesAndReceivesThemBack) {
  Start({"--answer-wake"});
  ConnectThroughDialog();
  Mark();
  pages().SetText(ids::kExtensionField, "TXT");
  pages().SetChecked(ids::StartDataCheck(1), true);
  pages().SetText(ids::StartDataByte(1, 0), "0D");
  pages().SetText(ids::StartDataByte(1, 1), "0A");

  Click(ids::kSendButton);
  const std::vector<std::string> sent = SentSinceMark();
  EXPECT_THAT(sent, Contains("LESTXT"));
  EXPECT_THAT(sent, Contains("BDS10D0A"));
  // Seventeen set commands, each of its entries, and nothing else.
  EXPECT_THAT(sent, Each(::testing::Truly([](const std::string& line) {
                return line.size() >= 3 && line[2] == 'S';
              })));
  EXPECT_THAT(h->log.boxes,
              ElementsAre(OwnedBox{kMain, "設定完了", "本体への設定送信が完了しました。"}));
  EXPECT_TRUE(pages().Enabled(ids::kSendButton));  // availability restored

  // Change the pages, then fetch the logger's values back onto them.
  pages().SetText(ids::kExtensionField, "LOG");
  pages().SetChecked(ids::StartDataCheck(1), false);
  pages().SetText(ids::StartDataByte(1, 0), "");
  Mark();
  Click(ids::kReceiveButton);
  const std::vector<std::string> received = SentSinceMark();
  EXPECT_THAT(received, Contains("LEG"));
  EXPECT_THAT(received, Each(::testing::Truly([](const std::string& line) {
                return line.size() >= 3 && line[2] == 'G';
              })));
  EXPECT_EQ(received.size(), sent.size());
  EXPECT_THAT(h->log.boxes,
              ElementsAre(OwnedBox{kMain, "取得完了", "本体からの設定取得が完了しました。"}));
  EXPECT_EQ(pages().Text(ids::kExtensionField), "TXT");
  EXPECT_TRUE(pages().Checked(ids::StartDataCheck(1)));
  EXPECT_EQ(pages().Text(ids::StartDataByte(1, 0)), "0D");
  EXPECT_EQ(pages().Text(ids::StartDataByte(1, 1)), "0A");
}

TEST_F(MainWindowTest, ARefusedSettingIsReportedAndTheRunGoesOn) {
  Start({"--answer-wake", "--reply", "LES=99"});
  ConnectThroughDialog();
  Mark();
  Click(ids::kSendButton);
  ASSERT_THAT(h->log.boxes, SizeIs(3));
  EXPECT_EQ(h->log.boxes[0].title, "応答エラー");
  EXPECT_EQ(h->log.boxes[1], (OwnedBox{kMain, "設定エラー",
                                       "ロギング設定は正しく設定できなかった可能性があります。"}));
  EXPECT_EQ(h->log.boxes[2], (OwnedBox{kMain, "設定完了", "本体への設定送信が完了しました。"}));
  EXPECT_THAT(h->log.boxes, Each(Field(&OwnedBox::owner, kMain)));
  EXPECT_THAT(SentSinceMark(), Contains(StartsWith("PSS")));  // the last step still ran
}

TEST_F(MainWindowTest, ABrokenLinkStopsTheRun) {
  // The connect takes five lines (wake-up, DEA, DEV, DEC, TMG); the logger
  // hangs up during the start time triggers.
  Start({"--answer-wake", "--hangup-after", "10"});
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
  EXPECT_EQ(window->Link().connected, 1);  // a failed run does not disconnect
  EXPECT_TRUE(pages().Enabled(ids::kSendButton));
  Click(ids::kDisconnectButton);
  EXPECT_EQ(pages().Text(ids::kStatusLine), "接続状態 : 未接続");
}

TEST_F(MainWindowTest, LoadsAFileWithProblemsShowingEveryBoxInOrder) {
  Start({"--answer-wake"});
  TempFolder folder;
  const std::string path = folder.File("SETTING.CFG");
  std::string text = settings::FormatSettingsFile(settings::DefaultSettings());
  text = Replaced(text, "FILE_EXTENSION=LOG", "FILE_EXTENSION=TXT");
  text = Replaced(text, "STOP_IDLETIME=-", "STOP_IDLETIME=abc");
  text = Replaced(text, "TMSP_MODE=OFF", "TMSP_MODE=MAYBE");
  text = "garbage before the header\r\n" + text + "UNKNOWN_KEY=1\r\n";
  WriteFileBytes(path, text);

  // The reader's own boxes for this file, in order.
  RecordingNotifier reader;
  std::istringstream in(text);
  settings::LoggerSettings parsed;
  settings::ParseSettings(in, parsed, reader);
  ASSERT_GE(reader.boxes.size(), 3u);
  std::vector<OwnedBox> expected;
  for (const auto& box : reader.boxes)
    expected.push_back({kMain, box.title, box.text});
  expected.push_back({kMain, "ファイル読込完了", "読込が完了しました。"});

  pages().SetText(ids::kStopIdleField, "77");  // reset to the defaults by the load
  h->chooserAnswer = path;
  Click(ids::kLoadFileButton);
  EXPECT_EQ(h->log.boxes, expected);
  EXPECT_EQ(pages().Text(ids::kExtensionField), "TXT");
  EXPECT_EQ(pages().ComboIndex(ids::kTimestampModeCombo), 0);
  EXPECT_NE(pages().Text(ids::kStopIdleField), "77");
  EXPECT_THAT(h->chooserOwners, ElementsAre(kMain));
}

TEST_F(MainWindowTest, SavingOverAFileKeepsItsClockLines) {
  Start({"--answer-wake"});
  TempFolder folder;
  const std::string path = folder.File("SETTING.CFG");
  std::string old = settings::FormatSettingsFile(settings::DefaultSettings());
  old = Replaced(old, "TIME_CALENDAR=180101000000\r\nTIME_SET=1",
                 "TIME_CALENDAR=301224180005\r\nTIME_SET=0");
  WriteFileBytes(path, old);

  pages().SetText(ids::kExtensionField, "ABC");
  h->chooserAnswer = path;
  Click(ids::kSaveFileButton);
  EXPECT_THAT(h->log.boxes,
              ElementsAre(OwnedBox{kMain, "設定保存", "設定ファイルを書き出しました。"}));
  EXPECT_EQ(ReadFileBytes(path), Replaced(old, "FILE_EXTENSION=LOG", "FILE_EXTENSION=ABC"));
}

TEST_F(MainWindowTest, ClockButtons) {
  Start({"--answer-wake"});
  TempFolder folder;
  const std::string path = folder.File("CLOCK.CFG");
  h->chooserAnswer = path;

  // Into a file: works without a connection.
  WhenModalShown([](QWidget* modal) {
    ASSERT_NE(qobject_cast<app::ClockDialog*>(modal), nullptr);
    modal->findChild<QLineEdit*>("ctl500")->setText("2031");
    QTest::mouseClick(modal->findChild<QPushButton*>("ctl424"), Qt::LeftButton);
  });
  Click(ids::kClockToFileButton);
  EXPECT_NE(ReadFileBytes(path).find("TIME_CALENDAR=310305070809\r\nTIME_SET=0\r\n"),
            std::string::npos);
  ASSERT_THAT(h->log.boxes, SizeIs(1));
  EXPECT_EQ(h->log.boxes[0].owner, "clockDialog");
  EXPECT_EQ(h->log.boxes[0].title, "設定保存");

  ConnectThroughDialog();
  Mark();
  Click(ids::kClockFromPcButton);
  EXPECT_THAT(SentSinceMark(), ElementsAre("TMS260305070809"));
  EXPECT_THAT(h->log.boxes,
              ElementsAre(OwnedBox{kMain, "本体時刻設定", "2026/03/05 07:08:09 に設定しました。"}));

  Mark();
  std::vector<bool> enabledDuringDialog;
  WhenModalShown([&](QWidget* modal) {
    enabledDuringDialog = {pages().Enabled(ids::kClockFromPcButton),
                           pages().Enabled(ids::kClockFromDialogButton),
                           pages().Enabled(ids::kSendButton)};
    EXPECT_TRUE(modal->findChild<QWidget*>("ctl280")->property("text").toString().isEmpty());
    modal->findChild<QLineEdit*>("ctl503")->setText("21");
    QTest::mouseClick(modal->findChild<QPushButton*>("ctl424"), Qt::LeftButton);
  });
  Click(ids::kClockFromDialogButton);
  EXPECT_THAT(enabledDuringDialog, ElementsAre(false, false, false));
  EXPECT_THAT(SentSinceMark(), ElementsAre("TMS260305210809"));
  EXPECT_THAT(h->log.boxes, ElementsAre(OwnedBox{"clockDialog", "本体時刻設定",
                                                 "2026/03/05 21:08:09 に設定しました。"}));
  EXPECT_TRUE(pages().Enabled(ids::kClockFromDialogButton));
}

}  // namespace
}  // namespace km62rx::testing
