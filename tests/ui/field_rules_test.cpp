#include "ui/field_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "device/control_ids.h"
#include "ui/decimal_text.h"
#include "ui/memory_page_controls.h"

namespace km62rx::ui {
namespace {

// The clock dialog's month and day, between its year and its second.
constexpr int kClockMonth = ids::kClockYear + 1;
constexpr int kClockDay = ids::kClockYear + 2;

TEST(FieldRules, ClampNumericFieldOnFocusLoss) {
  const std::tuple<int, const char*, const char*> cases[] = {
      // Beyond int a text saturates, then takes the maximum; the atoi rule
      // reads past leading blanks; a field without a range is left untouched.
      {ids::kStopSizeField, "0", "1"},
      {ids::kStopSizeField, "", "1"},
      {ids::kStopSizeField, "12ab", "12ab"},
      {ids::StartTimeHour(0), "24", "23"},
      {ids::kLogDays, "", "0"},
      {ids::kTimestampSizeField, "-3", "1"},
      {ids::kClockYear, "2150", "2099"},
      {ids::kClockYear, "99999999999", "2099"},
      {kClockMonth, " 7", " 7"},
      {ids::kExtensionField, "", ""},
  };
  for (const auto& [id, typed, after] : cases) {
    MemoryPageControls pages;
    pages.SetText(id, typed);
    ClampNumericField(id, pages);
    EXPECT_EQ(pages.Text(id), after) << id << " typed '" << typed << "'";
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
      {ids::kLogHours,
       {{ids::kLogDays, "9999"}, {ids::kLogHours, "5"}, {ids::kLogMinutes, "7"}},
       {{ids::kLogDays, "9999"}, {ids::kLogHours, "0"}, {ids::kLogMinutes, "0"}}},
      {ids::kLogDays,
       {{ids::kLogDays, "9999"}, {ids::kLogSeconds, "9"}},
       {{ids::kLogSeconds, "0"}}},
      {ids::kLogSeconds,
       {{ids::kLogDays, "9998"}, {ids::kLogHours, "23"}},
       {{ids::kLogHours, "23"}}},
      // Clock dialog: the day within its month, leap years included.
      {kClockDay,
       {{ids::kClockYear, "2026"}, {kClockMonth, "2"}, {kClockDay, "30"}},
       {{kClockDay, "28"}}},
      {kClockMonth,
       {{ids::kClockYear, "2024"}, {kClockMonth, "02"}, {kClockDay, "31"}},
       {{kClockDay, "29"}}},
      {ids::kClockYear,
       {{ids::kClockYear, "2000"}, {kClockMonth, "2"}, {kClockDay, "29"}},
       {{kClockDay, "29"}}},
      {ids::kClockYear,
       {{ids::kClockYear, "2150"}, {kClockMonth, "4"}, {kClockDay, "31"}},
       {{ids::kClockYear, "2099"}, {kClockDay, "30"}}},
      {ids::kClockSecond, {{kClockMonth, "2"}, {kClockDay, "31"}}, {{kClockDay, "31"}}},
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
    pages.SetText(ids::kSeparatorField, typed);
    NormalizeSeparatorField(ids::kSeparatorField, pages);
    EXPECT_EQ(pages.Text(ids::kSeparatorField), after) << "typed '" << typed << "'";
  }
}

TEST(FieldRules, DigitFieldTakesAPastedFirstLineOfDigitsOnly) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"2026", 4, "2026"},   {"2026\r\nabc", 4, "2026"},
      {"20a6", 4, ""},       {" 12", 2, ""},
      {"-5", 2, ""},         {"１２", 2, ""},
      {"123456", 4, "1234"}, {"12", 0, ""},
      {"abc\n12", 2, ""},    {"", 2, ""},
  };
  for (const auto& [pasted, room, taken] : cases)
    EXPECT_EQ(DigitFieldPaste(pasted, room), taken) << "'" << pasted << "' into " << room;
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
  // Texts are cut to the field's limit; a control without one keeps them whole.
  pages.SetText(ids::kStopIdleField, "12345678901");
  EXPECT_EQ(pages.Text(ids::kStopIdleField), "123456789");
  pages.SetText(ids::kStatusLine, "接続中 ttyUSB0 115200bps");
  EXPECT_EQ(pages.Text(ids::kStatusLine), "接続中 ttyUSB0 115200bps");
  // A selection outside the items is ignored; unknown IDs are tolerated.
  pages.SetComboIndex(ids::kTimestampTypeCombo, 2);
  pages.SetComboIndex(ids::kTimestampTypeCombo, 3);
  pages.SetComboIndex(ids::kTimestampTypeCombo, -1);
  EXPECT_EQ(pages.ComboIndex(ids::kTimestampTypeCombo), 2);
  pages.SetComboIndex(9998, 1);
  EXPECT_EQ(pages.ComboIndex(9998), 0);
  EXPECT_FALSE(pages.Enabled(9999));
}

}  // namespace
}  // namespace km62rx::ui
