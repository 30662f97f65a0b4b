// Writes a picture of the window with each page shown into the folder named
// by KM62RX_SCREENSHOT_DIR, to look at the layout; skipped without it.
#include <QDir>
#include <QPixmap>

#include "window_fixture.h"

namespace km62rx::testing {
namespace {

TEST_F(WindowTest, SavesScreenshotsOfEveryPage) {
  const QString folder = qEnvironmentVariable("KM62RX_SCREENSHOT_DIR");
  if (folder.isEmpty())
    GTEST_SKIP() << "KM62RX_SCREENSHOT_DIR not set";
  QDir().mkpath(folder);
  ASSERT_TRUE(window->grab().save(QDir(folder).filePath(QStringLiteral("window-start.png"))));
  for (int page = 1; page <= 13; ++page) {
    ClickPage(page);
    const QString name = QStringLiteral("window-page-%1.png").arg(page, 2, 10, QLatin1Char('0'));
    EXPECT_TRUE(window->grab().save(QDir(folder).filePath(name)));
  }
}

}  // namespace
}  // namespace km62rx::testing
