// Writes pictures of the window into the folder named by
// KM62RX_SCREENSHOT_DIR, to look at the layout; skipped without it.
#include <QDir>

#include "app/about_dialog.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

class ScreenshotTest : public WindowTest {
 protected:
  void SetUp() override {
    folder = qEnvironmentVariable("KM62RX_SCREENSHOT_DIR");
    if (folder.isEmpty())
      GTEST_SKIP() << "KM62RX_SCREENSHOT_DIR not set";
    QDir().mkpath(folder);
    WindowTest::SetUp();
  }
  void Save(QWidget& widget, const QString& name) {
    EXPECT_TRUE(widget.grab().save(QDir(folder).filePath(name))) << name.toStdString();
  }
  QString folder;
};

TEST_F(ScreenshotTest, EveryPageConnectedAndTheAboutBox) {
  Save(*window, QStringLiteral("window-start.png"));
  for (int page = 1; page <= 13; ++page) {
    ClickPage(page);
    Save(*window, QStringLiteral("window-page-%1.png").arg(page, 2, 10, QLatin1Char('0')));
  }
  SetLink(1, 1, 101, 1);
  controls().SetText(620, "999999999");
  ClickPage(7);
  Save(*window, QStringLiteral("window-connected-page-07.png"));
  app::AboutDialog box(window.get());
  box.show();
  QCoreApplication::processEvents();
  Save(box, QStringLiteral("about.png"));
}

}  // namespace
}  // namespace km62rx::testing
