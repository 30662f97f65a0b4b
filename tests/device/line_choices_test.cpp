#include <gtest/gtest.h>

#include "device/line_choices.h"

namespace km62rx::device {
namespace {

TEST(LineChoicesTest, ChoicesMapToLineSettingsOrNothing) {
  const std::tuple<int, int, int, int, std::optional<LineSettings>> cases[] = {
      {0, 0, 0, 0, LineSettings{115200, 8, kParityNone, kTwoStopBits, 0, 0}},
      {0, 1, 3, 0, LineSettings{9600, 8, kParityEven, kOneStopBit, 1, 0}},
      {0, 2, 3, 1, LineSettings{9600, 8, kParityOdd, kOneStopBit, 1, 1}},
      {1, 0, 7, 1, LineSettings{600, 7, kParityNone, kTwoStopBits, 0, 1}},
      {0, 3, 0, 0, std::nullopt},
      {0, -1, 0, 0, std::nullopt},
      {2, 0, 0, 0, std::nullopt},
      {0, 0, 8, 0, std::nullopt},
      {0, 0, 0, 2, std::nullopt}};
  for (const auto& [a, b, c, d, want] : cases)
    EXPECT_EQ(LineSettingsFromChoices(a, b, c, d), want) << a << b << c << d;
}

}  // namespace
}  // namespace km62rx::device
