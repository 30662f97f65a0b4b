#include "ui/field_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "ui/decimal_text.h"
#include "ui/memory_page_controls.h"

namespace km62rx::ui {
namespace {

TEST(FieldRules, ClampNumericFieldOnFocusLoss) {
  struct Case {
    int id;
    const char* typed;
    const char* after;
  };
  const std::vector<Case> cases{
      // Beyond int a text saturates, then takes the maximum; the atoi rule
      // reads past leading blanks; a field without a range is left untouched.
      {630, "0", "1"},
      {630, "", "1"},
      {630, "12ab", "12ab"},
      {550, "24", "23"},
      {560, "75", "59"},
      {640, "", "0"},
      {641, "99", "23"},
      {696, "-3", "1"},
      {500, "1999", "2000"},
      {500, "2150", "2099"},
      {501, "13", "12"},
      {505, "75", "59"},
      {500, "99999999999", "2099"},
      {501, " 7", " 7"},
      {645, "", ""}};
  for (const Case& c : cases) {
    MemoryPageControls pages;
    pages.SetText(c.id, c.typed);
    ClampNumericField(c.id, pages);
    EXPECT_EQ(pages.Text(c.id), c.after) << c.id << " typed '" << c.typed << "'";
  }
}

TEST(FieldRules, LeavingAFieldKeepsTheLimitsAcrossItsGroup) {
  using Texts = std::vector<std::pair<int, const char*>>;
  struct Case {
    int left;
    Texts typed;
    Texts after;
  };
  const std::vector<Case> cases{
      // Logging time: at most 9999 days in all.
      {641, {{640, "9999"}, {641, "5"}, {642, "7"}}, {{640, "9999"}, {641, "0"}, {642, "0"}}},
      {640, {{640, "9999"}, {643, "9"}}, {{643, "0"}}},
      {643, {{640, "9998"}, {641, "23"}}, {{641, "23"}}},
      // Clock dialog: the day within its month, leap years included.
      {502, {{500, "2026"}, {501, "2"}, {502, "30"}}, {{502, "28"}}},
      {501, {{500, "2024"}, {501, "02"}, {502, "31"}}, {{502, "29"}}},
      {500, {{500, "2000"}, {501, "2"}, {502, "29"}}, {{502, "29"}}},
      {500, {{500, "2150"}, {501, "4"}, {502, "31"}}, {{500, "2099"}, {502, "30"}}},
      {505, {{501, "2"}, {502, "31"}}, {{502, "31"}}},
  };
  for (const Case& c : cases) {
    MemoryPageControls pages;
    for (const auto& [id, text] : c.typed)
      pages.SetText(id, text);
    ClampNumericField(c.left, pages);
    for (const auto& [id, text] : c.after)
      EXPECT_EQ(pages.Text(id), text) << "leaving " << c.left << ", field " << id;
  }
}

TEST(FieldRules, SeparatorFieldIsNormalised) {
  const std::pair<const char*, const char*> cases[] = {
      {"ab", ","}, {"\\t", "\\t"}, {"", ","}, {" ", " "}, {"\\x4", ","}, {"\\\\x", "\\"}};
  for (const auto& [typed, after] : cases) {
    MemoryPageControls pages;
    pages.SetText(646, typed);
    NormalizeSeparatorField(646, pages);
    EXPECT_EQ(pages.Text(646), after) << "typed '" << typed << "'";
  }
}

TEST(DecimalText, AtoiRuleWithoutOverflow) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},   {"abc", 0}, {" 12ab", 12},           {"-7", -7},
      {"+3", 3}, {"- 3", 0}, {"2147483648", INT_MAX}, {"-99999999999999999999999", INT_MIN}};
  for (const auto& [text, value] : cases)
    EXPECT_EQ(DecimalValue(text), value) << text;
  EXPECT_EQ(UnsignedDecimalValue("4294967295"), 4294967295u);
  EXPECT_EQ(UnsignedDecimalValue("9999999999"), 4294967295u);
  EXPECT_EQ(FormatTwoDigits(8), "08");
  EXPECT_EQ(FormatTwoDigits(123), "123");
  EXPECT_EQ(FormatTwoDigits(-5), "-5");
}

TEST(MemoryPageControls, BehaveLikeTheWindowsControls) {
  MemoryPageControls pages;
  EXPECT_EQ(pages.Text(645), "LOG");
  EXPECT_EQ(pages.ComboIndex(337), 1);
  EXPECT_FALSE(pages.Enabled(415));
  // Texts are cut to the field's limit; a control without one keeps them whole.
  pages.SetText(620, "12345678901");
  EXPECT_EQ(pages.Text(620), "123456789");
  pages.SetText(646, "\\x41Z");
  EXPECT_EQ(pages.Text(646), "\\x41");
  pages.SetText(200, "接続中 ttyUSB0 115200bps");
  EXPECT_EQ(pages.Text(200), "接続中 ttyUSB0 115200bps");
  // A selection outside the items is ignored.
  pages.SetComboIndex(336, 2);
  pages.SetComboIndex(336, 3);
  pages.SetComboIndex(336, -1);
  EXPECT_EQ(pages.ComboIndex(336), 2);
  // Unknown IDs are tolerated.
  EXPECT_EQ(pages.Text(9999), "");
  EXPECT_FALSE(pages.Enabled(9999));
  pages.SetComboIndex(9998, 1);
  EXPECT_EQ(pages.ComboIndex(9998), 0);
}

}  // namespace
}  // namespace km62rx::ui
