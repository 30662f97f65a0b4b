// Typing into the filtered fields with real key events, and what leaving a
// field does to its text.
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>

#include "device/control_ids.h"
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
      controls().SetText(ids::StartDataByte(0, 0) + static_cast<int>(k), texts[k]);
  }
  std::vector<std::string> Row() {
    return {Text(ids::StartDataByte(0, 0)), Text(ids::StartDataByte(0, 1)),
            Text(ids::StartDataByte(0, 2)), Text(ids::StartDataByte(0, 3))};
  }
};

// A full byte moves on; a field takes a digit only after a full one.
TEST_F(HexRowTest, TypingFillsTheRowByteByByte) {
  struct Step {
    int field;  // focused first; 0: where the focus is
    const char* keys;
    std::vector<std::string> row;
    const char* focus;
  };
  const Step steps[] = {
      {511, "5", {"", "", "", ""}, "ctl511"},
      {510, "g .-z#", {"", "", "", ""}, "ctl510"},  // not hex: swallowed
      {0, "4", {"4", "", "", ""}, "ctl510"},
      {0, "1", {"41", "", "", ""}, "ctl511"},
      {0, "be", {"41", "BE", "", ""}, "ctl512"},  // a-f arrive as A-F
      {0, "0d", {"41", "BE", "0D", ""}, "ctl513"},
      {0, "FF7", {"41", "BE", "0D", "FF"}, "ctl513"},  // the row's last field stays
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.keys);
    if (step.field)
      Focus(step.field);
    TypeChars(step.keys);
    EXPECT_EQ(Row(), step.row);
    EXPECT_EQ(FocusedName(), step.focus);
  }
}

// Pastes text into the focused field with Ctrl+V or Shift+Insert.
void Paste(QLineEdit* field, const char* text, bool shiftInsert = false) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
  QTest::keyClick(field, shiftInsert ? Qt::Key_Insert : Qt::Key_V,
                  shiftInsert ? Qt::ShiftModifier : Qt::ControlModifier);
  QCoreApplication::processEvents();
}

// A paste is typed whole or refused whole; composed input and drops never
// reach a field; a single-line field takes the first line of a paste.
TEST_F(HexRowTest, PastesAreTypedWholeOrRefusedWhole) {
  const std::tuple<const char*, bool, std::vector<std::string>, const char*> cases[] = {
      {"41424344", true, {"41", "42", "43", "44"}, "ctl513"},
      {"41 42", false, {"", "", "", ""}, "ctl510"},
  };
  for (const auto& [pasted, shiftInsert, row, focus] : cases) {
    Leave();
    SetRow({"", "", "", ""});
    Focus(ids::StartDataByte(0, 0));
    Paste(edit(ids::StartDataByte(0, 0)), pasted, shiftInsert);
    EXPECT_EQ(Row(), row) << pasted;
    EXPECT_EQ(FocusedName(), focus) << pasted;
  }
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("ＺＺ"));
  QCoreApplication::sendEvent(edit(ids::StartDataByte(0, 1)), &composed);
  EXPECT_EQ(Text(ids::StartDataByte(0, 1)), "");
  EXPECT_FALSE(edit(ids::StartDataByte(0, 0))->acceptDrops());
  EXPECT_FALSE(edit(ids::kExtensionField)->acceptDrops());

  ClickPage(11);
  Focus(ids::kSeparatorField);
  edit(ids::kSeparatorField)->clear();
  Paste(edit(ids::kSeparatorField), "ab\r\ncd");
  EXPECT_EQ(Text(ids::kSeparatorField), "ab");
}

TEST_F(HexRowTest, BackspaceAndLeftAtTheStartMoveBack) {
  SetRow({"41", "42", "43", "44"});
  Focus(ids::StartDataByte(0, 3));
  edit(ids::StartDataByte(0, 3))->setCursorPosition(2);
  Type(Qt::Key_Left);  // inside the field the caret moves as usual
  Type(Qt::Key_Left);
  Type(Qt::Key_Left);
  EXPECT_EQ(FocusedName(), "ctl512");
  EXPECT_EQ(edit(ids::StartDataByte(0, 2))->cursorPosition(), 2);
  edit(ids::StartDataByte(0, 2))->setCursorPosition(0);
  Type(Qt::Key_Backspace);  // moves back without deleting
  EXPECT_EQ(FocusedName(), "ctl511");
  EXPECT_EQ(Row(), (std::vector<std::string>{"41", "42", "43", "44"}));
}

// The extension takes letters and digits, the number fields digits, as typed.
TEST_F(WindowTest, OtherFilteredFields) {
  const std::tuple<int, int, const char*, const char*> cases[] = {
      {10, ids::kExtensionField, ".- *tX9", "tX9"}, {3, ids::StartTimeHour(0), "a-234", "23"}};
  for (const auto& [page, field, keys, after] : cases) {
    ClickPage(page);
    Focus(field);
    edit(field)->clear();
    TypeChars(keys);
    EXPECT_EQ(Text(field), after);
  }
}

TEST_F(WindowTest, LeavingAFieldAppliesItsRule) {
  struct Case {
    int page;
    int field;
    const char* text;
    const char* next;  // text of field + 1, when given
    const char* expected;
  };
  // The rules themselves are checked below the widgets; one row per kind.
  using namespace ids;
  const Case cases[] = {
      {3, StartTimeHour(0), "24", nullptr, "23"},  // clamped into its range
      {10, kExtensionField, "A", nullptr, "Axx"},  // the extension is completed
      {2, StartDataByte(0, 0), "7", "", "07"},     // a hex byte is completed
      {2, StartDataByte(0, 3), "", "41", ""},      // the last of a row, even before a full row
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.field) + " '" + c.text + "'");
    ClickPage(c.page);
    for (int id = StartDataByte(0, 0); id <= StartDataByte(1, 0); ++id)
      controls().SetText(id, "");
    controls().SetText(c.field, c.text);
    if (c.next)
      controls().SetText(c.field + 1, c.next);
    Focus(c.field);
    Leave();
    EXPECT_EQ(Text(c.field), c.expected);
  }
}

}  // namespace
}  // namespace km62rx::testing
