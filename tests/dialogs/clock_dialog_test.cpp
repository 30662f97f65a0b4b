#include "app/clock_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "device/connection.h"
#include "device/exchange.h"
#include "device/link_errors.h"
#include "device/open_port.h"
#include "dialog_harness.h"
#include "settings/logger_settings.h"
#include "settings/settings_format.h"

namespace km62rx::testing {
namespace {

using ::testing::ElementsAre;

constexpr const char* kDialog = "clockDialog";

QLineEdit* FieldOf(QWidget& dialog, int id) {
  return ChildControl<QLineEdit>(dialog, id);
}

std::vector<std::string> FieldTexts(QWidget& dialog) {
  std::vector<std::string> texts;
  for (int id = 500; id <= 505; ++id)
    texts.push_back(FieldOf(dialog, id)->text().toStdString());
  return texts;
}

void SetFields(QWidget& dialog, const std::vector<std::string>& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i)
    FieldOf(dialog, 500 + static_cast<int>(i))->setText(QString::fromStdString(texts[i]));
}

// Types text into a cleared field with key events.
void TypeInto(QLineEdit* field, const std::string& text) {
  field->setFocus();
  field->clear();
  QTest::keyClicks(field, QString::fromStdString(text));
}

class ClockDialogTest : public DialogTest {};

TEST_F(ClockDialogTest, TypingLeavingAFieldAndCopyingThePcTime) {
  DialogHarness h;
  app::ClockDialog dialog(h.ctx, 1);
  ShowActive(dialog);
  TypeInto(FieldOf(dialog, 500), "2a0-2 75");  // digits only, up to four
  EXPECT_EQ(FieldOf(dialog, 500)->text().toStdString(), "2027");
  TypeInto(FieldOf(dialog, 501), "123");
  EXPECT_EQ(FieldOf(dialog, 501)->text().toStdString(), "12");

  // The rules themselves are checked below the widgets; leaving applies them.
  const std::tuple<int, std::string, std::string> cases[] = {
      {500, "2150", "2099"}, {503, "", "0"}, {501, "2", "2"}, {502, "30", "28"}};
  for (const auto& [id, typed, after] : cases) {
    TypeInto(FieldOf(dialog, id), typed);
    EXPECT_EQ(FieldOf(dialog, id)->text().toStdString(), typed);  // unchanged while typing
    QTest::keyClick(FieldOf(dialog, id), Qt::Key_Tab);
    EXPECT_EQ(FieldOf(dialog, id)->text().toStdString(), after) << id << " typed " << typed;
  }

  ClickControl(dialog, 423);
  EXPECT_THAT(FieldTexts(dialog), ElementsAre("2026", "3", "5", "7", "8", "9"));
  EXPECT_TRUE(dialog.isVisible());
  dialog.reject();
}

// For each target: the PC time, unpadded, and the note only for a file;
// Enter and Escape do not close the dialog, キャンセル and the close box do.
TEST_F(ClockDialogTest, KeysAndClosing) {
  DialogHarness h(Options{"--answer-wake"});
  for (int target : {1, 0}) {
    app::ClockDialog dialog(h.ctx, target);
    ShowActive(dialog);
    EXPECT_EQ(ControlText(dialog, 280).empty(), target == 1);
    EXPECT_THAT(FieldTexts(dialog), ElementsAre("2026", "3", "5", "7", "8", "9"));
    FieldOf(dialog, 504)->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
      QTest::keyClick(FieldOf(dialog, 504), key);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    if (target)
      ClickControl(dialog, 425);
    else
      dialog.close();  // the close box
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_TRUE(h.SimLines().empty());
  EXPECT_TRUE(h.log.boxes.empty());
}

// A harness with the link to the simulator open and identified.
struct ConnectedHarness : DialogHarness {
  explicit ConnectedHarness(Options options) : DialogHarness(std::move(options)) {
    EXPECT_EQ(device::OpenDevicePort(link, sim->path(), device::LineSettings{}),
              device::LinkResult::kOk);
  }
  ~ConnectedHarness() { device::CloseDeviceLink(link); }
};

TEST_F(ClockDialogTest, OkSendsTheFieldsToTheLoggerAndCloses) {
  struct Case {
    std::vector<std::string> fields;  // none: the PC time as shown
    std::string focusedHour;          // typed into the hour, which keeps the focus
    std::string wire;
    std::string box;
  };
  const Case cases[] = {
      {{"2027", "11", "30", "23", "59", "58"},
       "",
       "TMS271130235958",
       "2027/11/30 23:59:58 に設定しました。"},
      {{}, "", "TMS260305070809", "2026/03/05 07:08:09 に設定しました。"},
      // The day is kept within its month: 31 February 2026 is sent as the 28th.
      {{"2026", "2", "31", "0", "0", "0"},
       "",
       "TMS260228000000",
       "2026/02/28 00:00:00 に設定しました。"},
      {{}, "99", "TMS260305230809", "2026/03/05 23:08:09 に設定しました。"},  // clamped first
  };
  ConnectedHarness h(Options{"--answer-wake"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.wire);
    h.log.boxes.clear();
    const std::size_t before = h.SimLines().size();
    app::ClockDialog dialog(h.ctx, 1);
    ShowActive(dialog);
    SetFields(dialog, c.fields);
    if (!c.focusedHour.empty())
      TypeInto(FieldOf(dialog, 503), c.focusedHour);
    ChildControl<QPushButton>(dialog, 424)->click();  // pressed without taking the focus
    EXPECT_EQ(h.SimLines().size(), before + 1);
    EXPECT_EQ(h.SimLines().back(), c.wire);
    ASSERT_EQ(h.log.boxes.size(), 1u);
    EXPECT_EQ(h.log.boxes[0].owner, kDialog);
    EXPECT_EQ(h.log.boxes[0].title, "本体時刻設定");
    if (!c.box.empty()) {
      EXPECT_EQ(h.log.boxes[0].text, c.box);
    }
    EXPECT_FALSE(dialog.isVisible());
    for (int id : {423, 424, 425})
      EXPECT_FALSE(ChildControl(dialog, id)->isEnabled()) << id;
  }
}

TEST_F(ClockDialogTest, ARefusalIsShownByTheDialogWhichStillCloses) {
  ConnectedHarness h(Options{"--answer-wake", "--reply", "TMS=99"});
  app::ClockDialog dialog(h.ctx, 1);
  ShowActive(dialog);
  ClickControl(dialog, 424);
  EXPECT_THAT(h.log.boxes,
              ElementsAre(OwnedBox{kDialog, "応答エラー", "コマンドのパラメータが不一致です。"}));
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(h.link.connected, 1);
}

// A settings file with some settings off their defaults.
std::string CustomSettingsFile(const std::string& clockLines, const std::string& stopSize) {
  std::string text = settings::FormatSettingsFile(settings::DefaultSettings());
  text = Replaced(text, "FILE_EXTENSION=LOG\r\n", "FILE_EXTENSION=TXT\r\n");
  text = Replaced(text, "TMSP_MODE=OFF\r\n", "TMSP_MODE=ON\r\n");
  text = Replaced(text, "STOP_DATASIZE=-\r\n", "STOP_DATASIZE=" + stopSize + "\r\n");
  return Replaced(text, "TIME_CALENDAR=180101000000\r\nTIME_SET=1\r\n", clockLines);
}

TEST_F(ClockDialogTest, OkStoresTheTimeInAFileKeepingItsSettings) {
  TempFolder folder;
  const std::string path = folder.File("SETTING.CFG");
  WriteFileBytes(path, CustomSettingsFile("TIME_CALENDAR=200101000000\r\nTIME_SET=1\r\n", "xyz"));
  DialogHarness h;
  h.chooserAnswer = path;
  app::ClockDialog dialog(h.ctx, 0);
  ShowActive(dialog);
  SetFields(dialog, {"2030", "12", "24", "18", "0", "5"});
  ClickControl(dialog, 424);

  // The unreadable line is reported to the main window and written as its
  // default; the box about the written file comes from the dialog.
  EXPECT_EQ(ReadFileBytes(path),
            CustomSettingsFile("TIME_CALENDAR=301224180005\r\nTIME_SET=0\r\n", "-"));
  EXPECT_THAT(h.chooserOwners, ElementsAre(DialogHarness::kMainWindow));
  ASSERT_EQ(h.log.boxes.size(), 2u);
  EXPECT_EQ(h.log.boxes[0].owner, DialogHarness::kMainWindow);
  EXPECT_EQ(h.log.boxes[1],
            (OwnedBox{kDialog, "設定保存",
                      "設定ファイルに書き出しました。\r\n本体に読込させるためには、SDカード内の指"
                      "定フォルダに格納されている必要があります。\r\n"}));
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace km62rx::testing
