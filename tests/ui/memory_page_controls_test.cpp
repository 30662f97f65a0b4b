#include "ui/memory_page_controls.h"

#include <gtest/gtest.h>

namespace km62rx::ui {
namespace {

TEST(MemoryPageControls, StartsFromTheInitialTextsAndSelections) {
  const MemoryPageControls pages;
  EXPECT_EQ(pages.Text(645), "LOG");
  EXPECT_EQ(pages.Text(646), ",");
  for (int id : {620, 630, 640, 695, 696})
    EXPECT_EQ(pages.Text(id), "1") << id;
  for (int id : {641, 642, 643, 550, 566, 600, 616})
    EXPECT_EQ(pages.Text(id), "0") << id;
  for (int id : {510, 521, 650, 659, 691})
    EXPECT_EQ(pages.Text(id), "") << id;
  EXPECT_EQ(pages.Text(800), "トリガー 0");
  EXPECT_EQ(pages.Text(417), "ファイル保存");

  EXPECT_EQ(pages.ComboIndex(335), 0);
  EXPECT_EQ(pages.ComboIndex(336), 0);
  EXPECT_EQ(pages.ComboIndex(337), 1);
  EXPECT_EQ(pages.ComboIndex(330), 0);
  EXPECT_EQ(pages.ComboIndex(316), 0);

  for (int id : {800, 812, 820, 836, 840, 845, 850, 860, 872, 880, 885}) {
    EXPECT_FALSE(pages.Checked(id)) << id;
  }
  for (int id : {415, 416, 420, 421})
    EXPECT_FALSE(pages.Enabled(id)) << id;
  for (int id : {417, 418, 422, 335, 650, 880})
    EXPECT_TRUE(pages.Enabled(id)) << id;
}

TEST(MemoryPageControls, SetTextCutsToTheFieldsLimit) {
  MemoryPageControls pages;
  pages.SetText(510, "ABC");
  EXPECT_EQ(pages.Text(510), "AB");
  pages.SetText(620, "12345678901");
  EXPECT_EQ(pages.Text(620), "123456789");
  pages.SetText(645, "ABCD");
  EXPECT_EQ(pages.Text(645), "ABC");
  pages.SetText(646, "\\x41Z");
  EXPECT_EQ(pages.Text(646), "\\x41");
  // A control without a limit keeps the whole text.
  pages.SetText(200, "接続中 ttyUSB0 115200bps");
  EXPECT_EQ(pages.Text(200), "接続中 ttyUSB0 115200bps");
}

TEST(MemoryPageControls, ComboIndexOutsideTheItemsIsIgnored) {
  MemoryPageControls pages;
  pages.SetComboIndex(336, 2);
  EXPECT_EQ(pages.ComboIndex(336), 2);
  pages.SetComboIndex(336, 3);
  EXPECT_EQ(pages.ComboIndex(336), 2);
  pages.SetComboIndex(336, -1);
  EXPECT_EQ(pages.ComboIndex(336), 2);
  pages.SetComboIndex(310, 7);
  EXPECT_EQ(pages.ComboIndex(310), 7);
  pages.SetComboIndex(310, 8);
  EXPECT_EQ(pages.ComboIndex(310), 7);
}

TEST(MemoryPageControls, UnknownIdsAreTolerated) {
  MemoryPageControls pages;
  EXPECT_EQ(pages.Text(9999), "");
  EXPECT_FALSE(pages.Checked(9999));
  EXPECT_EQ(pages.ComboIndex(9999), 0);
  EXPECT_FALSE(pages.Enabled(9999));
  pages.SetComboIndex(9998, 1);
  EXPECT_EQ(pages.ComboIndex(9998), 0);
  pages.SetChecked(9997, true);
  EXPECT_TRUE(pages.Checked(9997));
}

TEST(MemoryPageControls, ChecksAndEnabling) {
  MemoryPageControls pages;
  pages.SetChecked(845, true);
  EXPECT_TRUE(pages.Checked(845));
  pages.SetEnabled(415, true);
  pages.SetEnabled(335, false);
  EXPECT_TRUE(pages.Enabled(415));
  EXPECT_FALSE(pages.Enabled(335));
}

}  // namespace
}  // namespace km62rx::ui
