// The window itself: title, size, menu, About box, and the end of the run.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "app/about_dialog.h"
#include "app/window_commands.h"
#include "device/connection.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

TEST_F(WindowTest, HasTitleAndFixedSizeAndNoMaximiseButton) {
  EXPECT_EQ(window->windowTitle().toStdString(), "DO-62REvev");
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(window->ClientArea()->size(),
            QSize(app::MainWindow::kClientWidth, app::MainWindow::kClientHeight));
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(WindowTest, ControlsFitTheClientArea) {
  const QRect client = window->ClientArea()->rect();
  for (QWidget* child : window->ClientArea()->findChildren<QWidget*>()) {
    if (!child->objectName().startsWith(QStringLiteral("ctl")))
      continue;
    EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();
  }
}

TEST_F(WindowTest, MenuHasFileExitAndHelpAbout) {
  const QList<QAction*> menus = window->menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text().toStdString(), "ファイル");
  EXPECT_EQ(menus[1]->text().toStdString(), "ヘルプ");
  ASSERT_EQ(menus[0]->menu()->actions().size(), 1);
  ASSERT_EQ(menus[1]->menu()->actions().size(), 1);
  EXPECT_EQ(menus[0]->menu()->actions()[0]->text().toStdString(), "終了");
  EXPECT_EQ(menus[1]->menu()->actions()[0]->text().toStdString(), "バージョン情報");
}

TEST_F(WindowTest, ExitWhileConnectedClosesThePort) {
  ASSERT_TRUE(line->Open("ttyFAKE", {}));
  window->Link().connected = 1;
  window->Link().sdState = 1;
  window->findChild<QAction*>(QStringLiteral("menu100"))->trigger();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->Link().connected, 0);
  EXPECT_EQ(window->Link().sdState, 0);
  EXPECT_FALSE(line->IsOpen());
  EXPECT_EQ(line->closeCount, 1);
}

TEST_F(WindowTest, CloseBoxWhileConnectedClosesThePort) {
  ASSERT_TRUE(line->Open("ttyFAKE", {}));
  window->Link().connected = 1;
  window->close();
  EXPECT_FALSE(line->IsOpen());
  EXPECT_EQ(window->Link().connected, 0);
}

// Runs the About box from the menu and closes it with what close does.
void RunAboutBoxAndClose(app::MainWindow& window, const std::function<void(QDialog&)>& close,
                         std::string* seenName, std::string* seenVersion, std::string* title) {
  bool closed = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    *title = box->windowTitle().toStdString();
    *seenName = box->findChild<QLabel*>(QStringLiteral("ctl270"))->text().toStdString();
    *seenVersion = box->findChild<QLabel*>(QStringLiteral("ctl271"))->text().toStdString();
    close(*box);
    closed = true;
  });
  window.findChild<QAction*>(QStringLiteral("menu101"))->trigger();
  EXPECT_TRUE(closed);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(WindowTest, AboutBoxShowsNameAndVersionAndClosesEveryWay) {
  const std::vector<std::pair<const char*, std::function<void(QDialog&)>>> ways = {
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
    std::string seenName, seenVersion, title;
    RunAboutBoxAndClose(*window, close, &seenName, &seenVersion, &title);
    EXPECT_EQ(title, "バージョン情報");
    EXPECT_EQ(seenName, "VESTRAL  DO-62REvev");
    EXPECT_EQ(seenVersion, "バージョン 1.01");
  }
}

TEST(AboutDialog, TextsFitTheBox) {
  app::AboutDialog box(nullptr);
  for (const char* name : {"ctl270", "ctl271"}) {
    const auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
    const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
    EXPECT_LE(label->x() + textWidth, box.width()) << name;
    EXPECT_GE(label->height(), label->fontMetrics().height() * 3 / 4) << name;
  }
  EXPECT_TRUE(
      box.rect().contains(box.findChild<QPushButton*>(QStringLiteral("ctl430"))->geometry()));
}

}  // namespace
}  // namespace km62rx::testing
