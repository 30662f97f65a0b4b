// Typing into the filtered fields with real key events, and what leaving a
// field does to its text.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMenu>

#include "window_fixture.h"

namespace km62rx::testing {
namespace {

// Page 2 holds the start trigger bytes: row 0 is 510..513, row 1 is 514..517.
class HexRowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ClickPage(2);
  }
  void SetRow(const std::vector<std::string>& texts) {
    for (std::size_t k = 0; k < texts.size(); ++k)
      controls().SetText(510 + static_cast<int>(k), texts[k]);
  }
  std::vector<std::string> Row() { return {Text(510), Text(511), Text(512), Text(513)}; }
};

TEST_F(HexRowTest, TypingFillsTheRowByteByByte) {
  struct Step {
    const char* keys;
    std::vector<std::string> row;
    const char* focus;
  };
  const Step steps[] = {
      {"g .-z#", {"", "", "", ""}, "ctl510"},  // not hex: swallowed
      {"4", {"4", "", "", ""}, "ctl510"},
      {"1", {"41", "", "", ""}, "ctl511"},     // a full byte moves on
      {"be", {"41", "BE", "", ""}, "ctl512"},  // a-f arrive as A-F
      {"0d", {"41", "BE", "0D", ""}, "ctl513"},
      {"FF7", {"41", "BE", "0D", "FF"}, "ctl513"},  // the row's last field stays
  };
  Focus(510);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.keys);
    TypeChars(step.keys);
    EXPECT_EQ(Row(), step.row);
    EXPECT_EQ(FocusedName(), step.focus);
  }
}

TEST_F(HexRowTest, AFieldTakesDigitsOnlyAfterAFullOne) {
  for (const char* before : {"", "4"}) {
    controls().SetText(510, before);
    Focus(511);
    TypeChars("5");
    EXPECT_EQ(Text(511), "") << "after '" << before << "'";
  }
  controls().SetText(510, "41");
  TypeChars("5");
  EXPECT_EQ(Text(511), "5");
  Focus(513);  // 512 is empty
  TypeChars("7");
  EXPECT_EQ(Text(513), "");
}

// How a paste reaches a field: the paste keys or the context menu's entry.
enum class PasteBy { kCtrlV, kShiftInsert, kMenu };

void Paste(QLineEdit* field, const QString& text, PasteBy by) {
  QGuiApplication::clipboard()->setText(text);
  if (by == PasteBy::kMenu) {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1),
                            field->mapToGlobal(QPoint(1, 1)));
    QCoreApplication::sendEvent(field, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
      if (action->text().startsWith(QStringLiteral("&Paste"))) {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
      }
    }
    // The offscreen platform lets the popup take the activation from the window.
    field->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(field->window()));
  } else {
    QTest::keyClick(field, by == PasteBy::kCtrlV ? Qt::Key_V : Qt::Key_Insert,
                    by == PasteBy::kCtrlV ? Qt::ControlModifier : Qt::ShiftModifier);
  }
  QCoreApplication::processEvents();
}

TEST_F(HexRowTest, APasteIsTypedWholeOrRefusedWhole) {
  using Row4 = std::vector<std::string>;
  struct Case {
    int field;
    Row4 before;
    bool selectAll;
    const char* pasted;
    PasteBy by;
    Row4 after;  // empty: the row stays as it was
    const char* focus;
  };
  using enum PasteBy;
  const Row4 same, empty{"", "", "", ""};
  const Case cases[] = {
      {510, empty, false, "41424344", kShiftInsert, {"41", "42", "43", "44"}, "ctl513"},
      {510, empty, false, "be0", kCtrlV, {"BE", "0", "", ""}, "ctl511"},
      {510, {"41", "42", "", ""}, true, "5A", kMenu, {"5A", "42", "", ""}, "ctl511"},
      {510, empty, false, "Z\n", kShiftInsert, same, "ctl510"},
      {510, empty, false, "41\n", kMenu, same, "ctl510"},
      {510, empty, false, "41 42", kCtrlV, same, "ctl510"},
      {511, {"4", "", "", ""}, false, "42", kCtrlV, same, "ctl511"},  // 510 not full
      {510, {"41", "", "", ""}, false, "5", kCtrlV, same, "ctl510"},  // full: lost
      {512, {"41", "42", "", ""}, false, "43445", kCtrlV, same, "ctl512"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.field) + " '" + c.pasted + "'");
    Leave();
    SetRow(c.before);
    Focus(c.field);
    if (c.selectAll)
      edit(c.field)->selectAll();
    else
      edit(c.field)->setCursorPosition(0);
    Paste(edit(c.field), QString::fromUtf8(c.pasted), c.by);
    EXPECT_EQ(Row(), c.after.empty() ? c.before : c.after);
    EXPECT_EQ(FocusedName(), c.focus);
  }
  // Composed input and drops never reach a field.
  Leave();
  SetRow(empty);
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("ＺＺ"));
  QCoreApplication::sendEvent(edit(510), &composed);
  EXPECT_EQ(Text(510), "");
  EXPECT_FALSE(edit(510)->acceptDrops());
  EXPECT_FALSE(edit(645)->acceptDrops());
}

TEST_F(WindowTest, APasteKeepsToOneLine) {
  struct Case {
    int page, field;
    const char* pasted;
    const char* after;
  };
  // A single-line field takes the first line, its own rule still applying; the
  // extension takes letters and digits that fit, or nothing.
  const Case cases[] = {
      {11, 646, "ab\r\ncd", "ab"},  // separator
      {3, 550, "12\n3", "12"},      // hour
      {3, 550, "1x", ""},           // hour
      {10, 645, "T9", "T9"},        // extension
      {10, 645, "AB\n", ""},        // extension
      {10, 645, "ABCD", ""},        // extension
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pasted);
    ClickPage(c.page);
    Focus(c.field);
    edit(c.field)->clear();
    Paste(edit(c.field), QString::fromUtf8(c.pasted), PasteBy::kShiftInsert);
    EXPECT_EQ(Text(c.field), c.after);
  }
  Focus(646);
  edit(646)->clear();
  Paste(edit(646), QStringLiteral("x\ny"), PasteBy::kMenu);
  EXPECT_EQ(Text(646), "x");
}

TEST_F(HexRowTest, BackspaceAndLeftAtTheStartMoveBack) {
  SetRow({"41", "42", "43", "44"});
  Focus(513);
  edit(513)->setCursorPosition(2);
  Type(Qt::Key_Left);  // inside the field the caret moves as usual
  EXPECT_EQ(FocusedName(), "ctl513");
  Type(Qt::Key_Left);
  Type(Qt::Key_Left);
  EXPECT_EQ(FocusedName(), "ctl512");
  EXPECT_EQ(edit(512)->cursorPosition(), 2);
  edit(512)->setCursorPosition(0);
  Type(Qt::Key_Backspace);  // moves back without deleting
  EXPECT_EQ(FocusedName(), "ctl511");
  EXPECT_EQ(Row(), (std::vector<std::string>{"41", "42", "43", "44"}));
  Type(Qt::Key_Backspace);  // at the end: deletes as usual
  EXPECT_EQ(Text(511), "4");
  EXPECT_EQ(FocusedName(), "ctl511");
  Type(Qt::Key_Left);
  Type(Qt::Key_Left);  // into 510, at the end of its text
  EXPECT_EQ(FocusedName(), "ctl510");
  edit(510)->setCursorPosition(0);
  Type(Qt::Key_Left);  // the first field has nowhere to go back to
  EXPECT_EQ(FocusedName(), "ctl510");

  Focus(511);
  controls().SetText(510, "4");
  edit(511)->setCursorPosition(0);
  Type(Qt::Key_Left);  // a short field gets the caret at its end
  EXPECT_EQ(FocusedName(), "ctl510");
  EXPECT_EQ(edit(510)->cursorPosition(), 1);
}

TEST_F(WindowTest, OtherFilteredFields) {
  ClickPage(11);  // the excluded data: one chain of ten bytes
  Focus(650);
  TypeChars("00112233445566778899");
  for (int k = 0; k < 10; ++k)
    EXPECT_EQ(Text(650 + k), std::string(2, static_cast<char>('0' + k)));
  EXPECT_EQ(FocusedName(), "ctl659");

  ClickPage(10);  // the extension takes letters and digits as typed
  Focus(645);
  edit(645)->selectAll();
  Type(Qt::Key_Backspace);
  TypeChars(".- *tX9");
  EXPECT_EQ(Text(645), "tX9");

  ClickPage(3);  // number and time fields take digits up to their limit
  Focus(550);
  edit(550)->selectAll();
  TypeChars("a-234");
  EXPECT_EQ(Text(550), "23");
}

TEST_F(WindowTest, LeavingAFieldAppliesItsRule) {
  struct Case {
    int page;
    int field;
    const char* text;
    const char* next;  // text of field + 1, when given
    const char* expected;
  };
  const Case cases[] = {
      {3, 550, "24", nullptr, "23"},  // clamped into its range
      {8, 630, "0", nullptr, "1"},
      {7, 620, "999999999", nullptr, "999999999"},
      {13, 696, "0", nullptr, "1"},
      {11, 646, "ab", nullptr, ","},  // the separator is normalised
      {11, 646, "\\t", nullptr, "\\t"},
      {10, 645, "", nullptr, "LOG"},  // the extension is completed
      {10, 645, "A", nullptr, "Axx"},
      {10, 645, "DAT", nullptr, "DAT"},
      {2, 510, "7", "", "07"},  // a hex byte is completed, never clamped
      {2, 511, "A", "", "0A"},
      {2, 513, "7", "", "07"},
      {2, 510, "", "41", "00"},  // an empty byte before a typed one
      {2, 511, "", "41", "00"},
      {2, 510, "", "", ""},
      {2, 513, "", "41", ""},  // the last of a row, even before a full row
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.field) + " '" + c.text + "'");
    ClickPage(c.page);
    for (int id = 510; id <= 514; ++id)
      controls().SetText(id, "");
    controls().SetText(c.field, c.text);
    if (c.next)
      controls().SetText(c.field + 1, c.next);
    Focus(c.field);
    Leave();
    EXPECT_EQ(Text(c.field), c.expected);
  }

  ClickPage(3);  // nothing happens while the field keeps the focus
  Focus(550);
  edit(550)->setText("99");
  QCoreApplication::processEvents();
  EXPECT_EQ(Text(550), "99");
}

}  // namespace
}  // namespace km62rx::testing
