#include "ui/field_rules.h"

#include <gtest/gtest.h>

#include <climits>

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
  const Case cases[] = {
      {630, "0", "1"},
      {630, "", "1"},
      {630, "9999", "9999"},
      {630, "12ab", "12ab"},
      {550, "24", "23"},
      {556, "05", "05"},
      {600, "23", "23"},
      {560, "75", "59"},
      {616, "60", "59"},
      {640, "", "0"},
      {640, "0", "0"},
      {641, "99", "23"},
      {643, "60", "59"},
      {620, "999999999", "999999999"},
      {620, "0", "1"},
      {695, "", "1"},
      {696, "-3", "1"},
      {500, "1999", "2000"},
      {500, "2150", "2099"},
      {500, "", "2000"},
      {501, "13", "12"},
      {501, "0", "1"},
      {502, "32", "31"},
      {503, "24", "23"},
      {504, "", "0"},
      {505, "75", "59"},
      {500, "99999999999", "2099"},  // beyond int: saturates, then the maximum
      {501, " 7", " 7"},             // atoi reads past leading blanks; within range
      {645, "", ""},                 // no range: untouched
      {510, "7", "7"},
  };
  for (const Case& c : cases) {
    MemoryPageControls pages;
    pages.SetText(c.id, c.typed);
    ClampNumericField(c.id, pages);
    EXPECT_EQ(pages.Text(c.id), c.after) << c.id << " typed '" << c.typed << "'";
  }
}

TEST(FieldRules, SeparatorFieldIsNormalised) {
  struct Case {
    const char* typed;
    const char* after;
  };
  const Case cases[] = {{"ab", ","}, {"\\t", "\\t"}, {"", ","},          {";", ";"},
                        {" ", " "},  {"\\x4", ","},  {"\\x4F", "\\x4F"}, {"\\\\x", "\\"}};
  for (const Case& c : cases) {
    MemoryPageControls pages;
    pages.SetText(646, c.typed);
    NormalizeSeparatorField(646, pages);
    EXPECT_EQ(pages.Text(646), c.after) << "typed '" << c.typed << "'";
  }
}

TEST(FieldRules, WhichFieldsAreClamped) {
  for (int id : {500, 505, 550, 557, 566, 600, 616, 620, 630, 640, 643, 695, 696}) {
    EXPECT_TRUE(IsClampedField(id)) << id;
  }
  for (int id : {499, 506, 549, 567, 599, 617, 621, 631, 639, 644, 645, 646, 694, 697, 510}) {
    EXPECT_FALSE(IsClampedField(id)) << id;
  }
}

TEST(DecimalText, AtoiRuleWithoutOverflow) {
  EXPECT_EQ(DecimalValue(""), 0);
  EXPECT_EQ(DecimalValue("abc"), 0);
  EXPECT_EQ(DecimalValue(" 12ab"), 12);
  EXPECT_EQ(DecimalValue("-7"), -7);
  EXPECT_EQ(DecimalValue("+3"), 3);
  EXPECT_EQ(DecimalValue("- 3"), 0);
  EXPECT_EQ(DecimalValue("0008"), 8);
  EXPECT_EQ(DecimalValue("2147483647"), INT_MAX);
  EXPECT_EQ(DecimalValue("2147483648"), INT_MAX);
  EXPECT_EQ(DecimalValue("-2147483648"), INT_MIN);
  EXPECT_EQ(DecimalValue("-99999999999999999999999"), INT_MIN);
  EXPECT_EQ(UnsignedDecimalValue("4294967295"), 4294967295u);
  EXPECT_EQ(UnsignedDecimalValue("9999999999"), 4294967295u);
  EXPECT_EQ(UnsignedDecimalValue("12345"), 12345u);
  EXPECT_EQ(FormatTwoDigits(8), "08");
  EXPECT_EQ(FormatTwoDigits(0), "00");
  EXPECT_EQ(FormatTwoDigits(123), "123");
  EXPECT_EQ(FormatTwoDigits(-5), "-5");
  EXPECT_EQ(FormatDecimal(2097152000), "2097152000");
}

}  // namespace
}  // namespace km62rx::ui
