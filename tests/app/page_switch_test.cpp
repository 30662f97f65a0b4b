// Switching pages: only a click in the tree shows a page.
#include <QTreeWidget>

#include "device/control_ids.h"
#include "ui/qt/page_builder.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

class PageSwitchTest : public WindowTest {
 protected:
  // The pages whose controls are on show, each checked whole.
  std::vector<int> ShownPages() {
    std::vector<int> shown;
    for (int page = 1; page <= 13; ++page) {
      const auto& list = window->Pages().Pages()[static_cast<std::size_t>(page)];
      int visible = 0;
      for (QWidget* w : list)
        visible += w->isHidden() ? 0 : 1;
      if (visible > 0) {
        EXPECT_EQ(visible, static_cast<int>(list.size())) << "page " << page << " partly shown";
        shown.push_back(page);
      }
    }
    return shown;
  }
  void ClickItem(QTreeWidgetItem* item) {
    QTreeWidget* tree = window->Pages().Tree();
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree->visualItemRect(item).center());
  }
};

TEST_F(PageSwitchTest, EachClickShowsItsPageAndOnlyThat) {
  EXPECT_TRUE(ShownPages().empty());
  EXPECT_FALSE(widget(ids::kPageTree)->isHidden());
  for (int page = 1; page <= 13; ++page) {
    SCOPED_TRACE(page);
    ClickPage(page);
    EXPECT_EQ(window->Pages().CurrentPage(), page);
    EXPECT_EQ(ShownPages(), std::vector<int>{page});
  }
  EXPECT_EQ(Text(1003), "開始トリガー");  // the shared frame ID names page 1's frame
}

TEST_F(PageSwitchTest, TheSwitchRunsAfterTheClickHasBeenHandled) {
  ClickItem(window->Pages().Tree()->topLevelItem(2));  // ロギング設定, page 10
  EXPECT_EQ(window->Pages().CurrentPage(), 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->Pages().CurrentPage(), 10);
}

TEST_F(PageSwitchTest, KeyboardSelectionWaitsForTheNextClick) {
  ClickPage(2);
  QTreeWidget* tree = window->Pages().Tree();
  tree->setFocus();
  QTest::keyClick(tree, Qt::Key_Down);
  QTest::keyClick(tree, Qt::Key_Down);
  QCoreApplication::processEvents();
  EXPECT_EQ(tree->selectedItems().front()->data(0, ui::kPageRole).toInt(), 4);
  EXPECT_EQ(ShownPages(), std::vector<int>{2});
  ClickItem(tree->selectedItems().front());
  QCoreApplication::processEvents();
  EXPECT_EQ(ShownPages(), std::vector<int>{4});
}

}  // namespace
}  // namespace km62rx::testing
