// The simulated logger's clock: TMG and TMS against a pinned host clock.
#include "sim/logger_clock.h"

#include <gtest/gtest.h>

#include "sim/logger_model.h"

namespace km62rx::sim {
namespace {

class ClockCommands : public ::testing::Test {
 protected:
  std::int64_t host = ToSeconds({2026, 3, 5, 7, 8, 9});
  LoggerModel Make(bool clockSet) {
    return LoggerModel({.clockSet = clockSet}, [this] { return host; });
  }
};

TEST_F(ClockCommands, ClockRunsOnFromHostTimeOrTheTimeSet) {
  LoggerModel model = Make(true);
  EXPECT_EQ(model.Answer("TMG"), "OK260305070809\r");
  host += 3600 * 24 + 61;
  EXPECT_EQ(model.Answer("TMG"), "OK260306070910\r");
  EXPECT_EQ(model.Answer("TMS991231235959"), "OK991231235959\r");
  host += 2;
  // The logger's year has two digits: 2099 rolls over to 00.
  EXPECT_EQ(model.Answer("TMG"), "OK000101000001\r");
}

TEST_F(ClockCommands, UnsetClockAnswers01UntilSet) {
  LoggerModel model = Make(false);
  EXPECT_EQ(model.Answer("TMG"), "01\r");
  EXPECT_EQ(model.Answer("TMS9912"), "99\r");
  EXPECT_EQ(model.Answer("TMG"), "01\r");
  EXPECT_EQ(model.Answer("TMS260101000000"), "OK260101000000\r");
  host += 59;
  EXPECT_EQ(model.Answer("TMG"), "OK260101000059\r");
}

TEST_F(ClockCommands, CalendarRangesAreChecked) {
  LoggerModel model = Make(true);
  for (const std::string line :
       {"TMS", "TMS2603050708090", "TMS261305070809", "TMS260300070809", "TMS260332070809",
        "TMS260305240809", "TMS260305076009", "TMS26030507080a"}) {
    EXPECT_EQ(model.Answer(line), "99\r") << line;
  }
  EXPECT_EQ(model.Answer("TMG"), "OK260305070809\r");
  // Day 31 passes in any month; the clock then holds the real date.
  EXPECT_EQ(model.Answer("TMS260231000000"), "OK260303000000\r");
}

}  // namespace
}  // namespace km62rx::sim
