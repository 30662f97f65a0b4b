// Leaving a numeric field clamps it; leaving the separator field normalises
// it; leaving any other field changes nothing.
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

struct LeaveCase {
  int page;
  int field;
  const char* typed;  // set as text before the field is left
  const char* expected;
};

TEST_F(WindowTest, LeavingAFieldAppliesItsRule) {
  const LeaveCase cases[] = {
      {3, 550, "24", "23"},
      {3, 556, "7", "7"},
      {3, 560, "75", "59"},
      {6, 606, "99", "23"},
      {6, 616, "60", "59"},
      {3, 550, "", "0"},
      {8, 630, "0", "1"},
      {8, 630, "", "1"},
      {8, 630, "9999", "9999"},
      {9, 640, "", "0"},
      {9, 641, "30", "23"},
      {9, 643, "61", "59"},
      {7, 620, "999999999", "999999999"},
      {7, 620, "0", "1"},
      {13, 695, "", "1"},
      {13, 696, "0", "1"},
      {11, 646, "ab", ","},
      {11, 646, "\\t", "\\t"},
      {11, 646, "", ","},
      {2, 510, "4", "04"},  // a hex field completes its byte but is not clamped
  };
  for (const LeaveCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.field) + " '" + c.typed + "'");
    ClickPage(c.page);
    controls().SetText(c.field, c.typed);
    Focus(c.field);
    window->Pages().Tree()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(controls().Text(c.field), c.expected);
  }
}

TEST_F(WindowTest, ClampRunsOnLeavingTypedText) {
  ClickPage(8);
  Focus(630);
  edit(630)->selectAll();
  Type(Qt::Key_Backspace);
  window->Pages().Tree()->setFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(controls().Text(630), "1");
}

TEST_F(WindowTest, ClampLeavesAFieldAloneWhileItKeepsTheFocus) {
  ClickPage(3);
  Focus(550);
  edit(550)->setText("99");
  QCoreApplication::processEvents();
  EXPECT_EQ(controls().Text(550), "99");
}

}  // namespace
}  // namespace km62rx::testing
