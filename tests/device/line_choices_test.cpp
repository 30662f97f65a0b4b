#include <gtest/gtest.h>

#include "device/line_choices.h"

namespace km62rx::device {
namespace {

TEST(LineChoicesTest, ChoicesMapToLineSettings) {
  EXPECT_EQ(LineSettingsFromChoices(0, 0, kBaudItems[0], 0),
            (LineSettings{115200, 8, kParityNone, kTwoStopBits, 0, 0}));
  EXPECT_EQ(LineSettingsFromChoices(0, 1, "9600", 0),
            (LineSettings{9600, 8, kParityEven, kOneStopBit, 1, 0}));
  EXPECT_EQ(LineSettingsFromChoices(0, 2, "9600", 5),
            (LineSettings{9600, 8, kParityOdd, kOneStopBit, 1, 1}));  // any flow but 0: XON/XOFF
  EXPECT_EQ(LineSettingsFromChoices(1, 0, kBaudItems.back(), 1),
            (LineSettings{600, 7, kParityNone, kTwoStopBits, 0, 1}));
}

TEST(LineChoicesTest, ChoicesOutsideTheListsGiveNothing) {
  EXPECT_FALSE(LineSettingsFromChoices(0, 3, "9600", 0));
  EXPECT_FALSE(LineSettingsFromChoices(0, -1, "9600", 0));
  EXPECT_FALSE(LineSettingsFromChoices(2, 0, "9600", 0));
  EXPECT_FALSE(LineSettingsFromChoices(0, 0, "", 0));
}

}  // namespace
}  // namespace km62rx::device
