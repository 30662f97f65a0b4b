// The events of the page fields reach the field editor (whose rules are
// checked below the widgets) and its answers reach the widgets: keys with
// the queued move on, the paste keys, Left and Backspace, composed input,
// and leaving a field.
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>

#include "device/control_ids.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

// Pastes text into the focused field with Ctrl+V or Shift+Insert.
void Paste(QLineEdit* field, const char* text, bool shiftInsert) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
  QTest::keyClick(field, shiftInsert ? Qt::Key_Insert : Qt::Key_V,
                  shiftInsert ? Qt::ShiftModifier : Qt::ControlModifier);
  QCoreApplication::processEvents();
}

TEST_F(WindowTest, FieldEventsReachTheEditor) {
  const int first = ids::StartDataByte(0, 0);
  ClickPage(2);
  Focus(first);
  TypeChars("g4b");  // swallowed, typed, turned upper case and moved on
  EXPECT_EQ(Text(first), "4B");
  EXPECT_EQ(FocusedName(), "ctl511");
  edit(first + 1)->setCursorPosition(0);
  Type(Qt::Key_Left);
  EXPECT_EQ(FocusedName(), "ctl510");
  Focus(first + 1);
  edit(first + 1)->setCursorPosition(0);
  Type(Qt::Key_Backspace);
  EXPECT_EQ(FocusedName(), "ctl510");

  for (const bool shiftInsert : {false, true}) {
    for (int id = first; id < first + 4; ++id)
      controls().SetText(id, "");
    Focus(first);
    Paste(edit(first), "41424344", shiftInsert);
    EXPECT_EQ(Text(first + 3), "44");
    EXPECT_EQ(FocusedName(), "ctl513");
  }
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("ＺＺ"));
  controls().SetText(first, "");
  QCoreApplication::sendEvent(edit(first), &composed);
  EXPECT_EQ(Text(first), "");
  EXPECT_FALSE(edit(first)->acceptDrops());
  EXPECT_FALSE(edit(ids::kExtensionField)->acceptDrops());
  Focus(first);
  TypeChars("7");
  Leave();
  EXPECT_EQ(Text(first), "07");

  ClickPage(11);
  Focus(ids::kSeparatorField);
  edit(ids::kSeparatorField)->clear();
  Paste(edit(ids::kSeparatorField), "ab\r\ncd", false);
  EXPECT_EQ(Text(ids::kSeparatorField), "ab");

  ClickPage(3);  // a number field takes digits as typed, and is clamped on leaving
  Focus(ids::StartTimeHour(0));
  edit(ids::StartTimeHour(0))->clear();
  TypeChars("a-294");
  EXPECT_EQ(Text(ids::StartTimeHour(0)), "29");
  Leave();
  EXPECT_EQ(Text(ids::StartTimeHour(0)), "23");
}

}  // namespace
}  // namespace km62rx::testing
