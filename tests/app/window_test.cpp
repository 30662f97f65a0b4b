// The window itself: title, size, menu, About box, page switching and the
// end of the run.
#include <QAction>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>

#include "device/control_ids.h"
#include "km62rx_version.h"
#include "ui/main_window_description.h"
#include "ui/qt/page_builder.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

TEST_F(WindowTest, TitleFixedSizeAndMenu) {
  EXPECT_EQ(window->windowTitle().toStdString(), "DO-62REvev");
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(window->ClientArea()->size(),
            QSize(ui::DescribedMainWindow().clientWidth, ui::DescribedMainWindow().clientHeight));
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(window->windowIcon().isNull());
  EXPECT_TEXT(window->findChild<QAction*>("menu100")->text().toStdString(), "終了");
}

// 終了 runs the window's close, as the close box does, which closes the port.
TEST_F(WindowTest, ClosingWhileConnectedClosesThePort) {
  ASSERT_TRUE(line->Open("ttyFAKE", {}));
  SetLink(1, 1, 101, 1);
  const int closes = line->closeCount;
  window->findChild<QAction*>(QStringLiteral("menu100"))->trigger();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->Link().connected, 0);
  EXPECT_EQ(line->closeCount, closes + 1);
}

TEST_F(WindowTest, AboutBoxShowsNameAndVersionAndCloses) {
  std::vector<std::string> seen;
  WhenModalShown([&](QWidget* box) {
    seen = {box->windowTitle().toStdString(), ControlText(*box, 270), ControlText(*box, 271)};
    QTest::keyClick(box, Qt::Key_Escape);
  });
  window->findChild<QAction*>(QStringLiteral("menu101"))->trigger();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_TEXT(seen[0], "バージョン情報");
  EXPECT_EQ(seen[1], "VESTRAL  DO-62REvev");
  // The program's version, major and minor as "%d.%02d": 1.2.0 is "1.02".
  char version[16];
  std::snprintf(version, sizeof version, "%d.%02d", kVersionMajor, kVersionMinor);
  EXPECT_TEXT(seen[2], "バージョン " + std::string(version));
  EXPECT_NE(seen[2].find(version), std::string::npos);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Only a click in the tree shows a page, once the click has been handled,
// and then that page whole and no other.
TEST_F(WindowTest, EachClickShowsItsPageAndOnlyThat) {
  const auto shownPages = [&] {
    std::vector<int> shown;
    for (int page = 1; page <= 13; ++page) {
      const auto& widgets = window->Pages().Pages()[static_cast<std::size_t>(page)];
      const auto visible =
          std::count_if(widgets.begin(), widgets.end(), [](QWidget* w) { return !w->isHidden(); });
      if (visible > 0)
        shown.push_back(page);
      EXPECT_TRUE(visible == 0 || visible == std::ssize(widgets)) << "page " << page;
    }
    return shown;
  };
  for (int page = 1; page <= 13; ++page) {
    ClickPage(page, false);
    EXPECT_EQ(window->Pages().CurrentPage(), page - 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(shownPages(), std::vector<int>{page});
  }
  EXPECT_TEXT(Text(1003), "開始トリガー");  // the shared frame ID names page 1's frame

  QTreeWidget* tree = window->Pages().Tree();  // the keyboard selects without switching
  ClickPage(2);
  tree->setFocus();
  QTest::keyClick(tree, Qt::Key_Down);
  QTest::keyClick(tree, Qt::Key_Down);
  QCoreApplication::processEvents();
  EXPECT_EQ(tree->selectedItems().front()->data(0, ui::kPageRole).toInt(), 4);
  EXPECT_EQ(shownPages(), std::vector<int>{2});
}

}  // namespace
}  // namespace km62rx::testing
