#include "app/clock_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "device/connection.h"
#include "device/link.h"
#include "dialog_harness.h"
#include "settings/logger_settings.h"
#include "settings/settings_file.h"

namespace km62rx::testing {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Field;

constexpr const char* kDialog = "clockDialog";
constexpr const char* kSavedText =
    "設定ファイルに書き出しました。\r\n本体に読込させるためには、SDカード内の指定フォルダに格納され"
    "ている必要があります。\r\n";

QLineEdit* FieldOf(QWidget& dialog, int id) {
  auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("ctl%1").arg(id));
  EXPECT_NE(field, nullptr) << id;
  return field;
}

QPushButton* ButtonOf(QWidget& dialog, int id) {
  auto* button = dialog.findChild<QPushButton*>(QStringLiteral("ctl%1").arg(id));
  EXPECT_NE(button, nullptr) << id;
  return button;
}

std::vector<std::string> FieldTexts(QWidget& dialog) {
  std::vector<std::string> texts;
  for (int id = 500; id <= 505; ++id)
    texts.push_back(FieldOf(dialog, id)->text().toStdString());
  return texts;
}

void SetFields(QWidget& dialog, const std::vector<std::string>& texts) {
  for (int i = 0; i < 6; ++i)
    FieldOf(dialog, 500 + i)->setText(QString::fromStdString(texts[i]));
}

void ShowActive(QWidget& dialog) {
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// A settings file with two settings that differ from the defaults.
std::string CustomSettingsFile(const std::string& timeCalendar, const std::string& timeSet) {
  std::string text = settings::FormatSettingsFile(settings::DefaultSettings());
  const auto replace = [&text](const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
  };
  replace("FILE_EXTENSION=LOG\r\n", "FILE_EXTENSION=TXT\r\n");
  replace("TMSP_MODE=OFF\r\n", "TMSP_MODE=ON\r\n");
  replace("TIME_CALENDAR=180101000000\r\n", "TIME_CALENDAR=" + timeCalendar + "\r\n");
  replace("TIME_SET=1\r\n", "TIME_SET=" + timeSet + "\r\n");
  return text;
}

class ClockDialogTest : public DialogTest {};

TEST_F(ClockDialogTest, ShowsThePcTimeUnpaddedAndTheHintOfItsTarget) {
  DialogHarness h;
  for (int target : {1, 0}) {
    app::ClockDialog dialog(h.ctx, target);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "本体時刻設定");
    EXPECT_EQ(dialog.findChild<QLabel*>("ctl220")->text().toStdString(),
              "年    月    日      時    分    秒");
    EXPECT_EQ(dialog.findChild<QLabel*>("ctl280")->text().toStdString(),
              target ? "" : "※本体起動時に反映したい時刻を設定してください※");
    EXPECT_THAT(FieldTexts(dialog), ElementsAre("2026", "3", "5", "7", "8", "9"));
    EXPECT_EQ(ButtonOf(dialog, 424)->text().toStdString(), "OK");
    EXPECT_EQ(ButtonOf(dialog, 425)->text().toStdString(), "キャンセル");
    EXPECT_EQ(ButtonOf(dialog, 423)->text().toStdString(), "PC時刻コピー");
    EXPECT_EQ(FieldOf(dialog, 500)->maxLength(), 4);
    for (int id = 501; id <= 505; ++id)
      EXPECT_EQ(FieldOf(dialog, id)->maxLength(), 2);
    for (int id = 500; id <= 505; ++id) {
      EXPECT_TRUE(FieldOf(dialog, id)->alignment() & Qt::AlignRight);
    }
  }
}

TEST_F(ClockDialogTest, FieldsTakeDigitsOnlyUpToTheirLimit) {
  DialogHarness h;
  app::ClockDialog dialog(h.ctx, 1);
  ShowActive(dialog);
  QLineEdit* year = FieldOf(dialog, 500);
  year->setFocus();
  year->clear();
  QTest::keyClicks(year, "2a0-2 75");
  EXPECT_EQ(year->text().toStdString(), "2027");
  QLineEdit* month = FieldOf(dialog, 501);
  month->setFocus();
  month->clear();
  QTest::keyClicks(month, "123");
  EXPECT_EQ(month->text().toStdString(), "12");
  dialog.reject();
}

TEST_F(ClockDialogTest, CopyButtonRefillsEveryField) {
  DialogHarness h;
  app::ClockDialog dialog(h.ctx, 0);
  ShowActive(dialog);
  SetFields(dialog, {"2001", "1", "1", "1", "1", "1"});
  QTest::mouseClick(ButtonOf(dialog, 423), Qt::LeftButton);
  EXPECT_THAT(FieldTexts(dialog), ElementsAre("2026", "3", "5", "7", "8", "9"));
  EXPECT_TRUE(dialog.isVisible());
  dialog.reject();
}

TEST_F(ClockDialogTest, LeavingAFieldClampsIt) {
  struct Case {
    int id;
    std::string typed;
    std::string after;
  };
  const Case cases[] = {
      {500, "1999", "2000"}, {500, "2150", "2099"}, {500, "2042", "2042"}, {500, "", "2000"},
      {501, "13", "12"},     {501, "0", "1"},       {502, "31", "31"},     {502, "32", "31"},
      {503, "24", "23"},     {503, "", "0"},        {504, "", "0"},        {504, "60", "59"},
      {505, "75", "59"},     {505, "07", "07"},
  };
  DialogHarness h;
  app::ClockDialog dialog(h.ctx, 1);
  ShowActive(dialog);
  for (const Case& c : cases) {
    QLineEdit* field = FieldOf(dialog, c.id);
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, QString::fromStdString(c.typed));
    EXPECT_EQ(field->text().toStdString(), c.typed);  // nothing changes while typing
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_FALSE(field->hasFocus());
    EXPECT_EQ(field->text().toStdString(), c.after) << c.id << " typed " << c.typed;
  }
  dialog.reject();
}

TEST_F(ClockDialogTest, EnterAndEscapeDoNotCloseButCancelAndTheCloseBoxDo) {
  DialogHarness h(Options{"--answer-wake"});
  {
    app::ClockDialog dialog(h.ctx, 1);
    ShowActive(dialog);
    QLineEdit* minute = FieldOf(dialog, 504);
    minute->setFocus();
    QTest::keyClick(minute, Qt::Key_Return);
    QTest::keyClick(minute, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(minute, Qt::Key_Escape);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(ButtonOf(dialog, 425), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
  }
  {
    app::ClockDialog dialog(h.ctx, 0);
    ShowActive(dialog);
    dialog.close();  // the close box
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_TRUE(h.SimLines().empty());
  EXPECT_TRUE(h.log.boxes.empty());
  EXPECT_TRUE(h.chooserOwners.empty());
}

// A harness with the link to the simulator open and identified.
struct ConnectedHarness : DialogHarness {
  explicit ConnectedHarness(Options options) : DialogHarness(std::move(options)) {
    EXPECT_EQ(device::OpenDevicePort(link, sim->path(), device::LineSettings{}), device::kLinkOk);
  }
  ~ConnectedHarness() { device::CloseDeviceLink(link); }
  // Lines after the identification.
  std::vector<std::string> Sent() const {
    std::vector<std::string> lines = SimLines();
    return {lines.begin() + std::min<std::size_t>(2, lines.size()), lines.end()};
  }
};

TEST_F(ClockDialogTest, OkSendsTheTypedTimeToTheLoggerAndCloses) {
  ConnectedHarness h(Options{"--answer-wake"});
  app::ClockDialog dialog(h.ctx, 1);
  ShowActive(dialog);
  SetFields(dialog, {"2027", "11", "30", "23", "59", "58"});
  QTest::mouseClick(ButtonOf(dialog, 424), Qt::LeftButton);

  EXPECT_THAT(h.Sent(), ElementsAre("TMS271130235958"));
  EXPECT_THAT(h.log.boxes, ElementsAre(OwnedBox{kDialog, "本体時刻設定",
                                                "2027/11/30 23:59:58 に設定しました。"}));
  EXPECT_FALSE(dialog.isVisible());
  for (int id : {424, 425, 423})
    EXPECT_FALSE(ButtonOf(dialog, id)->isEnabled()) << id;
  EXPECT_EQ(h.link.connected, 1);
}

TEST_F(ClockDialogTest, OkSendsThePcTimeAndOddDatesAsTheyStand) {
  ConnectedHarness h(Options{"--answer-wake"});
  {
    app::ClockDialog dialog(h.ctx, 1);
    ShowActive(dialog);
    QTest::mouseClick(ButtonOf(dialog, 424), Qt::LeftButton);
  }
  {
    // No calendar check: 31 February goes to the logger, which decides.
    app::ClockDialog dialog(h.ctx, 1);
    ShowActive(dialog);
    SetFields(dialog, {"2026", "2", "31", "0", "0", "0"});
    QTest::mouseClick(ButtonOf(dialog, 424), Qt::LeftButton);
  }
  EXPECT_THAT(h.Sent(), ElementsAre("TMS260305070809", "TMS260231000000"));
  ASSERT_EQ(h.log.boxes.size(), 2u);
  EXPECT_EQ(h.log.boxes[0].text, "2026/03/05 07:08:09 に設定しました。");
}

TEST_F(ClockDialogTest, AFieldStillFocusedIsClampedBeforeSending) {
  ConnectedHarness h(Options{"--answer-wake"});
  app::ClockDialog dialog(h.ctx, 1);
  ShowActive(dialog);
  QLineEdit* hour = FieldOf(dialog, 503);
  hour->setFocus();
  hour->clear();
  QTest::keyClicks(hour, "99");
  ButtonOf(dialog, 424)->click();  // pressed without taking the focus
  EXPECT_THAT(h.Sent(), ElementsAre("TMS260305230809"));
}

TEST_F(ClockDialogTest, LoggerRefusalsAreShownByTheDialogWhichStillCloses) {
  struct Case {
    std::string reply;
    OwnedBox box;
  };
  const Case cases[] = {
      {"TMS=99", {kDialog, "応答エラー", "コマンドのパラメータが不一致です。"}},
      {"TMS=01", {kDialog, "応答エラー", "ハードウェア設定が不正です。"}},
      {"TMS=NG", {kDialog, "応答エラー", "KM-62RXからの応答が不正な値です。"}},
  };
  for (const Case& c : cases) {
    ConnectedHarness h(Options{"--answer-wake", "--reply", c.reply});
    app::ClockDialog dialog(h.ctx, 1);
    ShowActive(dialog);
    QTest::mouseClick(ButtonOf(dialog, 424), Qt::LeftButton);
    EXPECT_THAT(h.log.boxes, ElementsAre(c.box)) << c.reply;
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(h.link.connected, 1);
  }
}

TEST_F(ClockDialogTest, BrokenLinkIsReportedByTheDialog) {
  ConnectedHarness h(Options{"--answer-wake"});
  h.sim->Stop();
  app::ClockDialog dialog(h.ctx, 1);
  ShowActive(dialog);
  QTest::mouseClick(ButtonOf(dialog, 424), Qt::LeftButton);
  EXPECT_THAT(h.log.boxes, ElementsAre(OwnedBox{kDialog, "接続エラー", "送受信に失敗しました。"}));
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ClockDialogTest, OkStoresTheTypedTimeInAValidFileKeepingItsSettings) {
  TempFolder folder;
  const std::string path = folder.File("SETTING.CFG");
  WriteFileBytes(path, CustomSettingsFile("200101000000", "1"));
  DialogHarness h;
  h.chooserAnswer = path;
  app::ClockDialog dialog(h.ctx, 0);
  ShowActive(dialog);
  SetFields(dialog, {"2030", "12", "24", "18", "0", "5"});
  QTest::mouseClick(ButtonOf(dialog, 424), Qt::LeftButton);

  EXPECT_EQ(ReadFileBytes(path), CustomSettingsFile("301224180005", "0"));
  EXPECT_THAT(h.chooserOwners, ElementsAre(DialogHarness::kMainWindow));
  EXPECT_THAT(h.log.boxes, ElementsAre(OwnedBox{kDialog, "設定保存", kSavedText}));
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ClockDialogTest, OkReplacesAFileWithoutHeaderOrMakesANewOne) {
  TempFolder folder;
  const std::string foreign = folder.File("OTHER.CFG");
  WriteFileBytes(foreign, "not a settings file\r\n");
  const std::string fresh = folder.File("NEW.CFG");
  std::string expected = settings::FormatSettingsFile(settings::DefaultSettings());
  expected.replace(expected.find("TIME_CALENDAR=180101000000\r\nTIME_SET=1"),
                   std::string("TIME_CALENDAR=180101000000\r\nTIME_SET=1").size(),
                   "TIME_CALENDAR=260305070809\r\nTIME_SET=0");
  for (const std::string& path : {foreign, fresh}) {
    DialogHarness h;
    h.chooserAnswer = path;
    app::ClockDialog dialog(h.ctx, 0);
    ShowActive(dialog);
    QTest::mouseClick(ButtonOf(dialog, 424), Qt::LeftButton);
    EXPECT_EQ(ReadFileBytes(path), expected) << path;
    EXPECT_THAT(h.log.boxes, ElementsAre(OwnedBox{kDialog, "設定保存", kSavedText}));
  }
}

TEST_F(ClockDialogTest, ReaderBoxesGoToTheMainWindowAndCancelWritesNothing) {
  TempFolder folder;
  const std::string path = folder.File("SETTING.CFG");
  std::string text = CustomSettingsFile("180101000000", "1");
  text.replace(text.find("STOP_DATASIZE=-"), std::string("STOP_DATASIZE=-").size(),
               "STOP_DATASIZE=xyz");
  WriteFileBytes(path, text);
  {
    DialogHarness h;  // the chooser cancels
    app::ClockDialog dialog(h.ctx, 0);
    ShowActive(dialog);
    QTest::mouseClick(ButtonOf(dialog, 424), Qt::LeftButton);
    EXPECT_TRUE(h.log.boxes.empty());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ReadFileBytes(path), text);
  }
  DialogHarness h;
  h.chooserAnswer = path;
  app::ClockDialog dialog(h.ctx, 0);
  ShowActive(dialog);
  QTest::mouseClick(ButtonOf(dialog, 424), Qt::LeftButton);
  ASSERT_GE(h.log.boxes.size(), 2u);
  const std::vector<OwnedBox> readerBoxes(h.log.boxes.begin(), h.log.boxes.end() - 1);
  EXPECT_THAT(readerBoxes, Each(Field(&OwnedBox::owner, DialogHarness::kMainWindow)));
  EXPECT_EQ(h.log.boxes.back(), (OwnedBox{kDialog, "設定保存", kSavedText}));
  const std::string written = ReadFileBytes(path);
  EXPECT_NE(written.find("TIME_CALENDAR=260305070809\r\nTIME_SET=0\r\n"), std::string::npos);
  EXPECT_NE(written.find("FILE_EXTENSION=TXT\r\n"), std::string::npos);
  EXPECT_NE(written.find("STOP_DATASIZE=-\r\n"), std::string::npos);
}

TEST_F(ClockDialogTest, RunsModallyOverTheMainWindow) {
  ConnectedHarness h(Options{"--answer-wake"});
  WhenModalShown([](QWidget* modal) {
    ASSERT_NE(qobject_cast<app::ClockDialog*>(modal), nullptr);
    EXPECT_EQ(modal->parentWidget()->objectName().toStdString(), DialogHarness::kMainWindow);
    QTest::mouseClick(ButtonOf(*modal, 424), Qt::LeftButton);
  });
  app::RunClockDialog(h.ctx, 1);
  EXPECT_THAT(h.Sent(), ElementsAre("TMS260305070809"));
}

}  // namespace
}  // namespace km62rx::testing
