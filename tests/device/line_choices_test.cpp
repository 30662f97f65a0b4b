#include <gtest/gtest.h>

#include "device/line_choices.h"

namespace km62rx::device {
namespace {

TEST(LineChoicesTest, DefaultsAreItemZeroOfEachCombo) {
  const auto settings = LineSettingsFromChoices(0, 0, kBaudItems[0], 0);
  ASSERT_TRUE(settings);
  EXPECT_EQ(*settings, (LineSettings{115200, 8, kParityNone, kTwoStopBits, 0, 0}));
}

TEST(LineChoicesTest, ParityItemsMapToParityStopBitsAndChecking) {
  EXPECT_EQ(*LineSettingsFromChoices(0, 1, "9600", 0),
            (LineSettings{9600, 8, kParityEven, kOneStopBit, 1, 0}));
  EXPECT_EQ(*LineSettingsFromChoices(0, 2, "9600", 0),
            (LineSettings{9600, 8, kParityOdd, kOneStopBit, 1, 0}));
  EXPECT_FALSE(LineSettingsFromChoices(0, 3, "9600", 0));
  EXPECT_FALSE(LineSettingsFromChoices(0, -1, "9600", 0));
}

TEST(LineChoicesTest, SevenBitsWithoutParityIsAllowed) {
  EXPECT_EQ(*LineSettingsFromChoices(1, 0, "600", 1),
            (LineSettings{600, 7, kParityNone, kTwoStopBits, 0, 1}));
}

TEST(LineChoicesTest, EveryBaudItemIsItsDecimalValue) {
  const std::uint32_t expected[] = {115200, 38400, 19200, 9600, 4800, 2400, 1200, 600};
  for (std::size_t i = 0; i < kBaudItems.size(); ++i) {
    EXPECT_EQ(LineSettingsFromChoices(0, 0, kBaudItems[i], 0)->baudRate, expected[i]);
  }
  EXPECT_FALSE(LineSettingsFromChoices(0, 0, "", 0));
  EXPECT_FALSE(LineSettingsFromChoices(2, 0, "9600", 0));
}

TEST(LineChoicesTest, AnyFlowIndexButZeroIsXonXoff) {
  EXPECT_EQ(LineSettingsFromChoices(0, 0, "9600", 0)->xonXoff, 0);
  EXPECT_EQ(LineSettingsFromChoices(0, 0, "9600", 1)->xonXoff, 1);
  EXPECT_EQ(LineSettingsFromChoices(0, 0, "9600", 5)->xonXoff, 1);
}

TEST(LineChoicesTest, ComboItemTexts) {
  EXPECT_EQ(kParityItems[2], "ODD  / 1bit");
  EXPECT_EQ(kDataBitsItems[1], "7ビット");
  EXPECT_EQ(kFlowItems[0], "CTS/RTS");
}

}  // namespace
}  // namespace km62rx::device
