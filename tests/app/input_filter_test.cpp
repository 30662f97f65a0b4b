// Typing into the hex fields and the extension field, with real key events.
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>

#include "window_fixture.h"

namespace km62rx::testing {
namespace {

class HexFieldTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ClickPage(2);  // start trigger by data: row 0 is 510..513, row 1 is 514..517
  }
  std::string Text(int id) { return controls().Text(id); }
};

TEST_F(HexFieldTest, TypingTwoBytesMovesOnAfterEachSecondDigit) {
  Focus(510);
  TypeChar('4');
  EXPECT_EQ(Text(510), "4");
  EXPECT_EQ(FocusedName(), "ctl510");
  TypeChar('1');
  EXPECT_EQ(Text(510), "41");
  EXPECT_EQ(FocusedName(), "ctl511");
  EXPECT_EQ(edit(511)->cursorPosition(), 0);
  TypeChar('4');
  TypeChar('2');
  EXPECT_EQ(Text(511), "42");
  EXPECT_EQ(FocusedName(), "ctl512");
}

TEST_F(HexFieldTest, LastFieldOfARowDoesNotMoveOn) {
  controls().SetText(510, "01");
  controls().SetText(511, "02");
  controls().SetText(512, "03");
  Focus(513);
  TypeChar('F');
  TypeChar('F');
  EXPECT_EQ(Text(513), "FF");
  EXPECT_EQ(FocusedName(), "ctl513");
}

TEST_F(HexFieldTest, AFieldTakesDigitsOnlyWhenTheOneBeforeIsFull) {
  Focus(511);
  TypeChar('5');
  EXPECT_EQ(Text(511), "");
  controls().SetText(510, "4");
  Focus(511);
  TypeChar('5');
  EXPECT_EQ(Text(511), "");
  controls().SetText(510, "41");
  TypeChar('5');
  EXPECT_EQ(Text(511), "5");
  controls().SetText(512, "");
  Focus(513);  // 512 is empty, so the last field refuses too
  TypeChar('7');
  EXPECT_EQ(Text(513), "");
}

TEST_F(HexFieldTest, LowerCaseHexBecomesUpperCaseAndOtherCharactersAreSwallowed) {
  Focus(510);
  for (char c : {'g', ' ', '.', '-', 'z', '#'})
    TypeChar(c);
  EXPECT_EQ(Text(510), "");
  TypeChar('b');
  EXPECT_EQ(Text(510), "B");
  TypeChar('e');
  EXPECT_EQ(Text(510), "BE");
  EXPECT_EQ(FocusedName(), "ctl511");
}

TEST_F(HexFieldTest, KeyboardPasteIsSwallowed) {
  QGuiApplication::clipboard()->setText(QStringLiteral("ZZ"));
  Focus(510);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text(510), "");
}

TEST_F(HexFieldTest, ComposedInputAndDropsDoNotReachTheField) {
  Focus(510);
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("ＺＺ"));
  QCoreApplication::sendEvent(edit(510), &composed);
  EXPECT_EQ(Text(510), "");
  EXPECT_FALSE(edit(510)->acceptDrops());
  EXPECT_FALSE(edit(645)->acceptDrops());
}

TEST_F(HexFieldTest, BackspaceAtTheStartMovesBackWithoutDeleting) {
  controls().SetText(510, "41");
  Focus(511);
  edit(511)->setCursorPosition(0);
  Type(Qt::Key_Backspace);
  EXPECT_EQ(FocusedName(), "ctl510");
  EXPECT_EQ(Text(510), "41");
  EXPECT_EQ(edit(510)->cursorPosition(), 2);
  Type(Qt::Key_Backspace);
  EXPECT_EQ(Text(510), "4");
  EXPECT_EQ(FocusedName(), "ctl510");
}

TEST_F(HexFieldTest, BackspaceInsideAFieldDeletesAsUsual) {
  controls().SetText(510, "41");
  controls().SetText(511, "42");
  Focus(511);
  edit(511)->setCursorPosition(2);
  Type(Qt::Key_Backspace);
  EXPECT_EQ(Text(511), "4");
  EXPECT_EQ(FocusedName(), "ctl511");
}

TEST_F(HexFieldTest, LeftAtTheStartOfMiddleAndLastFieldsMovesBack) {
  controls().SetText(510, "41");
  controls().SetText(511, "42");
  controls().SetText(512, "43");
  controls().SetText(513, "44");
  Focus(513);
  edit(513)->setCursorPosition(2);
  Type(Qt::Key_Left);  // inside the field: the caret moves as usual
  EXPECT_EQ(FocusedName(), "ctl513");
  EXPECT_EQ(edit(513)->cursorPosition(), 1);
  Type(Qt::Key_Left);
  Type(Qt::Key_Left);
  EXPECT_EQ(FocusedName(), "ctl512");
  EXPECT_EQ(edit(512)->cursorPosition(), 2);
  edit(512)->setCursorPosition(0);
  Type(Qt::Key_Left);
  EXPECT_EQ(FocusedName(), "ctl511");
  edit(511)->setCursorPosition(0);
  Type(Qt::Key_Left);
  EXPECT_EQ(FocusedName(), "ctl510");
  edit(510)->setCursorPosition(0);
  Type(Qt::Key_Left);  // the first field has nowhere to go back to
  EXPECT_EQ(FocusedName(), "ctl510");
}

TEST_F(HexFieldTest, MovingBackIntoAShortFieldPutsTheCaretAtItsEnd) {
  controls().SetText(510, "4");
  Focus(511);
  Type(Qt::Key_Left);
  EXPECT_EQ(FocusedName(), "ctl510");
  EXPECT_EQ(edit(510)->cursorPosition(), 1);
}

TEST_F(HexFieldTest, LeavingAFieldCompletesItsByte) {
  struct Case {
    int field;
    const char* text;
    const char* nextText;  // of field + 1
    const char* expected;
  };
  const Case cases[] = {
      {510, "7", "", "07"},  {511, "A", "", "0A"}, {513, "7", "", "07"}, {510, "", "41", "00"},
      {511, "", "41", "00"}, {510, "", "", ""},    {513, "", "", ""},    {512, "42", "", "42"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    for (int id = 510; id <= 514; ++id)
      controls().SetText(id, "");
    controls().SetText(c.field, c.text);
    controls().SetText(c.field + 1, c.nextText);
    Focus(c.field);
    Focus(800);
    EXPECT_EQ(Text(c.field), c.expected);
  }
}

TEST_F(HexFieldTest, LeavingTheLastFieldOfARowKeepsItEmptyEvenBeforeAFullRow) {
  controls().SetText(514, "41");  // first field of the next row
  Focus(513);
  Focus(800);
  EXPECT_EQ(Text(513), "");
}

TEST_F(WindowTest, ExcludedDataLineIsOneChainOfTenBytes) {
  ClickPage(11);
  Focus(650);
  for (char c : std::string("00112233445566778899"))
    TypeChar(c);
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(controls().Text(650 + k), std::string(2, static_cast<char>('0' + k)));
  }
  EXPECT_EQ(FocusedName(), "ctl659");
}

TEST_F(WindowTest, ExtensionFieldTakesLettersAndDigitsAndCompletesOnLeaving) {
  ClickPage(10);
  Focus(645);
  edit(645)->selectAll();
  Type(Qt::Key_Backspace);
  for (char c : {'.', '-', ' ', '*'})
    TypeChar(c);
  EXPECT_EQ(controls().Text(645), "");
  TypeChar('t');
  TypeChar('X');
  TypeChar('9');
  EXPECT_EQ(controls().Text(645), "tX9");  // no case change

  struct Case {
    const char* text;
    const char* expected;
  };
  for (const Case& c : {Case{"", "LOG"}, Case{"A", "Axx"}, Case{"ab", "abx"}, Case{"DAT", "DAT"}}) {
    SCOPED_TRACE(c.text);
    controls().SetText(645, c.text);
    Focus(645);
    window->Pages().Tree()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(controls().Text(645), c.expected);
  }
}

}  // namespace
}  // namespace km62rx::testing
