// The window itself: title, size, menu, About box, and the end of the run.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "device/control_ids.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

TEST_F(WindowTest, TitleFixedSizeAndMenu) {
  EXPECT_EQ(window->windowTitle().toStdString(), "DO-62REvev");
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(window->ClientArea()->size(),
            QSize(app::MainWindow::kClientWidth, app::MainWindow::kClientHeight));
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(window->windowIcon().isNull());

  std::vector<std::string> menu;
  for (QAction* top : window->menuBar()->actions()) {
    menu.push_back(top->text().toStdString());
    for (QAction* item : top->menu()->actions())
      menu.push_back("  " + item->text().toStdString());
  }
  EXPECT_EQ(menu, (std::vector<std::string>{"ファイル", "  終了", "ヘルプ", "  バージョン情報"}));
}

TEST_F(WindowTest, ClosingWhileConnectedClosesThePort) {
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"menu", [&] { window->findChild<QAction*>(QStringLiteral("menu100"))->trigger(); }},
      {"close box", [&] { window->close(); }},
  };
  for (const auto& [name, close] : ways) {
    SCOPED_TRACE(name);
    window->show();
    ASSERT_TRUE(line->Open("ttyFAKE", {}));
    SetLink(1, 1, 101, 1);
    const int closes = line->closeCount;
    close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->Link().connected, 0);
    EXPECT_EQ(window->Link().sdState, 0);
    EXPECT_FALSE(line->IsOpen());
    EXPECT_EQ(line->closeCount, closes + 1);
  }
}

TEST_F(WindowTest, AboutBoxShowsNameAndVersionAndClosesEveryWay) {
  const std::pair<const char*, std::function<void(QDialog&)>> ways[] = {
      {"Enter", [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Return); }},
      {"Escape", [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); }},
      {"OK",
       [](QDialog& box) {
         QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("ctl430")), Qt::LeftButton);
       }},
      {"close box", [](QDialog& box) { box.close(); }},
  };
  for (const auto& [name, close] : ways) {
    SCOPED_TRACE(name);
    std::vector<std::string> seen;
    QTimer::singleShot(0, [&, close = close] {
      auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seen = {box->windowTitle().toStdString()};
      for (const char* name : {"ctl270", "ctl271"}) {
        const auto* label = box->findChild<QLabel*>(QString::fromLatin1(name));
        seen.push_back(label->text().toStdString());
        EXPECT_LE(label->x() + label->fontMetrics().horizontalAdvance(label->text()),
                  box->width());  // the text fits the box
      }
      close(*box);
    });
    window->findChild<QAction*>(QStringLiteral("menu101"))->trigger();
    EXPECT_EQ(seen, (std::vector<std::string>{"バージョン情報", "VESTRAL  DO-62REvev",
                                              "バージョン 1.01"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
}

}  // namespace
}  // namespace km62rx::testing
