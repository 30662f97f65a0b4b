#include "ui/field_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/control_ids.h"
#include "ui/memory_page_controls.h"
#include "ui/page_table.h"

namespace km62rx::ui {
namespace {

// The start trigger bytes: row 0 is 510..513, row 1 is 514..517.
const int kRow = ids::StartDataByte(0, 0);

// A front end in miniature: a focused field with a caret, typing through the
// editor and doing what it answers, as a text field would.
class FieldEditorTest : public ::testing::Test {
 protected:
  std::vector<std::string> Row() const {
    return {pages_.Text(kRow), pages_.Text(kRow + 1), pages_.Text(kRow + 2), pages_.Text(kRow + 3)};
  }
  void SetRow(const std::vector<std::string>& texts) {
    for (std::size_t k = 0; k < texts.size(); ++k)
      pages_.SetText(kRow + static_cast<int>(k), texts[k]);
  }
  void Focus(int id, int caret = -1) {
    focus_ = id;
    caret_ = caret < 0 ? static_cast<int>(pages_.Text(id).size()) : caret;
  }
  FieldCaret Caret() const { return {caret_, 0, static_cast<int>(pages_.Text(focus_).size())}; }
  // Inserts at the caret, as far as the field's limit lets it.
  void Insert(const std::string& text) {
    std::string value = pages_.Text(focus_);
    const int limit = FindControlSpec(focus_)->limit;
    for (char c : text) {
      if (limit > 0 && static_cast<int>(value.size()) >= limit)
        break;
      value.insert(static_cast<std::size_t>(caret_++), 1, c);
    }
    pages_.SetText(focus_, value);
  }
  void Apply(const FieldEdit& edit, const std::string& typed) {
    if (!edit.consumed)
      Insert(typed);
    if (!edit.insert.empty())
      Insert(edit.insert);
    if (edit.focus != 0)
      Focus(edit.focus, edit.caret);
    else if (edit.caret >= 0)
      caret_ = edit.caret;
    if (edit.advanceLater)
      Apply(editor_.AdvanceIfFull(focus_, Caret()), "");
  }
  void Type(const std::string& keys) {
    for (char c : keys)
      Apply(editor_.Typed(focus_, Caret(), static_cast<unsigned char>(c)), std::string(1, c));
  }
  void Paste(const std::string& text) { Apply(editor_.Paste(focus_, Caret(), text), ""); }

  MemoryPageControls pages_;
  FieldEditor editor_{pages_};
  int focus_ = 0;
  int caret_ = 0;
};

// A full byte moves on; a field takes a digit only after a full one.
TEST_F(FieldEditorTest, TypingFillsTheRowByteByByte) {
  struct Step {
    int field;  // focused first; 0: where the focus is
    const char* keys;
    std::vector<std::string> row;
    int focus;
  };
  const Step steps[] = {
      {kRow + 1, "5", {"", "", "", ""}, kRow + 1},
      {kRow, "g .-z#", {"", "", "", ""}, kRow},  // not hex: swallowed
      {0, "4", {"4", "", "", ""}, kRow},
      {0, "1", {"41", "", "", ""}, kRow + 1},
      {0, "be", {"41", "BE", "", ""}, kRow + 2},  // a-f arrive as A-F
      {0, "0d", {"41", "BE", "0D", ""}, kRow + 3},
      {0, "FF7", {"41", "BE", "0D", "FF"}, kRow + 3},  // the row's last field stays
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.keys);
    if (step.field)
      Focus(step.field);
    Type(step.keys);
    EXPECT_EQ(Row(), step.row);
    EXPECT_EQ(focus_, step.focus);
  }
  pages_.SetText(ids::kExtensionField, "");
  Focus(ids::kExtensionField);  // letters and digits as typed
  Type(".- *tX9");
  EXPECT_EQ(pages_.Text(ids::kExtensionField), "tX9");
}

// A paste is typed whole or refused whole, per kind of field.
TEST_F(FieldEditorTest, PastesAreTypedWholeOrRefusedWhole) {
  struct Case {
    int field;
    const char* before;
    const char* pasted;
    const char* after;  // the field's text (for the row: the last field's)
    int focus;
  };
  const Case cases[] = {
      {kRow, "", "41424344", "44", kRow + 3},
      {kRow, "", "41 42", "", kRow},
      {kRow, "", "414243444", "", kRow},   // a digit beyond the row
      {kRow + 1, "", "41", "", kRow + 1},  // the byte before is not full
      {ids::kExtensionField, "A", "b9", "Ab9", ids::kExtensionField},
      {ids::kExtensionField, "A", "b9c", "A", ids::kExtensionField},  // beyond the limit
      {ids::kExtensionField, "", "a.b", "", ids::kExtensionField},
      {ids::kSeparatorField, "", "ab\r\ncd", "ab", ids::kSeparatorField},  // the first line
      {ids::StartTimeHour(0), "", "1a", "", ids::StartTimeHour(0)},        // digits only
      {ids::StartTimeHour(0), "", "12", "12", ids::StartTimeHour(0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pasted);
    SetRow({"", "", "", ""});
    pages_.SetText(c.field, c.before);
    Focus(c.field);
    Paste(c.pasted);
    EXPECT_EQ(pages_.Text(c.focus), c.after);
    EXPECT_EQ(focus_, c.focus);
  }
}

// Backspace and Left at the start of a byte move back, without deleting;
// elsewhere they are left to the field.
TEST_F(FieldEditorTest, BackspaceAndLeftAtTheStartMoveBack) {
  SetRow({"41", "42", "43", "44"});
  EXPECT_FALSE(editor_.Left(kRow + 3, {1, 0, 2}).consumed);
  EXPECT_FALSE(editor_.Backspace(kRow, {0, 0, 2}).consumed);
  for (const FieldEdit& edit :
       {editor_.Left(kRow + 3, {0, 0, 2}), editor_.Backspace(kRow + 3, {})}) {
    EXPECT_TRUE(edit.consumed);
    EXPECT_EQ(edit.focus, kRow + 2);
    EXPECT_EQ(edit.caret, 2);
  }
}

TEST_F(FieldEditorTest, LeavingAFieldAppliesItsRule) {
  struct Case {
    int field;
    const char* text;
    const char* next;  // text of field + 1, when given
    const char* expected;
  };
  using namespace ids;
  const Case cases[] = {
      {StartTimeHour(0), "24", nullptr, "23"},  // the clamp (its cases: field_rules_test)
      {kExtensionField, "A", nullptr, "Axx"},   // the extension is completed
      {kExtensionField, "", nullptr, "LOG"},
      {StartDataByte(0, 0), "7", "", "07"},  // a hex byte is completed
      {StartDataByte(0, 0), "", "41", "00"},
      {StartDataByte(0, 0), "", "", ""},
      {StartDataByte(0, 3), "", "41", ""},  // the last of a row, even before a full row
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.field) + " '" + c.text + "'");
    SetRow({"", "", "", ""});
    pages_.SetText(StartDataByte(1, 0), "");
    pages_.SetText(c.field, c.text);
    if (c.next)
      pages_.SetText(c.field + 1, c.next);
    editor_.Leave(c.field, static_cast<int>(pages_.Text(c.field).size()));
    EXPECT_EQ(pages_.Text(c.field), c.expected);
  }
  EXPECT_FALSE(FieldEditor::HasLeaveRule(ids::kStopSizeCheck));
}

}  // namespace
}  // namespace km62rx::ui
