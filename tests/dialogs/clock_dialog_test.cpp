#include "app/clock_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "sim_window.h"

namespace km62rx::testing {
namespace {

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
