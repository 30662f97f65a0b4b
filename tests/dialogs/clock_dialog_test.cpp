#include "app/clock_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "device/connection.h"
#include "device/link_errors.h"
#include "device/open_port.h"
#include "sim_window.h"

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

// Types text into a cleared field with key events.
void TypeInto(QLineEdit* field, const std::string& text) {
  field->setFocus();
  field->clear();
  QTest::keyClicks(field, QString::fromStdString(text));
}

class ClockDialogTest : public SimWindowTest {};

// Typing, leaving a field (its rules are checked below the widgets) and
// copying the PC time.
TEST_F(ClockDialogTest, TypingLeavingAFieldAndCopyingThePcTime) {
  app::ClockDialog dialog(ctx(), 1);
  ShowActive(dialog);
  TypeInto(FieldOf(dialog, 500), "2a0-2 75");  // digits only, up to four
  EXPECT_EQ(FieldOf(dialog, 500)->text().toStdString(), "2027");
  const std::tuple<int, std::string, std::string> cases[] = {
      {500, "2150", "2099"}, {501, "2", "2"}, {502, "30", "28"}};  // the day within its month
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

// The note only for a file; Enter and Escape do not close the dialog, キャンセル and the close box
// do.
TEST_F(ClockDialogTest, KeysAndClosing) {
  StartSim({"--answer-wake"});
  for (int target : {1, 0}) {
    app::ClockDialog dialog(ctx(), target);
    ShowActive(dialog);
    ExpectNoJapaneseIn(dialog);
    EXPECT_EQ(ControlText(dialog, 280).empty(), target == 1);  // the note, for a file only
    FieldOf(dialog, 504)->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
      QTest::keyClick(FieldOf(dialog, 504), key);
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

// OK sends the fields, also one still focused, and closes; a refusal is shown by the dialog, which
// closes all the same.
TEST_F(ClockDialogTest, OkSendsTheFieldsToTheLoggerAndCloses) {
  struct Case {
    const char* reply;  // the simulator's answer to TMS, if not OK
    const char* hour;   // typed into the hour, which keeps the focus
    const char* wire;
    const char *title, *text;
  };
  const Case cases[] = {
      {"", "99", "TMS260305230809", "本体時刻設定", "2026/03/05 23:08:09 に設定しました。"},
      {"TMS=99", "", "TMS260305070809", "応答エラー", "コマンドのパラメータが不一致です。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.wire);
    StartSim(*c.reply ? Options{"--answer-wake", "--reply", c.reply} : Options{"--answer-wake"});
    ASSERT_EQ(device::OpenDevicePort(link(), sim->path(), {}), device::LinkResult::kOk);
    app::ClockDialog dialog(ctx(), 1);
    ShowActive(dialog);
    if (*c.hour)
      TypeInto(FieldOf(dialog, 503), c.hour);
    ChildControl<QPushButton>(dialog, 424)->click();  // pressed without taking the focus
    EXPECT_THAT(SimLines(), ElementsAre("", "DEA", c.wire));
    EXPECT_THAT(boxes, ElementsAre(OwnedBox{kDialog, c.title, c.text}));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(link().connected, 1);
    for (int id : {423, 424, 425})
      EXPECT_FALSE(ChildControl(dialog, id)->isEnabled()) << id;
    device::CloseDeviceLink(link());
  }
}

}  // namespace
}  // namespace km62rx::testing
