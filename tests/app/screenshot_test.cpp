// Writes pictures of the window into the folder named by
// KM62RX_SCREENSHOT_DIR, to look at the layout; skipped without it.
#include <QDir>
#include <QPixmap>

#include "app/about_dialog.h"
#include "device/connection.h"
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

TEST_F(ScreenshotTest, EveryPageDisconnected) {
  Save(*window, QStringLiteral("window-start.png"));
  for (int page = 1; page <= 13; ++page) {
    ClickPage(page);
    Save(*window, QStringLiteral("window-page-%1.png").arg(page, 2, 10, QLatin1Char('0')));
  }
}

TEST_F(ScreenshotTest, FilledPagesConnected) {
  device::DeviceLink& link = window->Link();
  link.connected = 1;
  link.sdState = 1;
  link.firmwareVersion = 101;
  device::RefreshLinkStatus(link);
  controls().SetChecked(800, true);
  controls().SetText(510, "0D");
  controls().SetText(511, "0A");
  controls().SetChecked(810, true);
  controls().SetComboIndex(310, 3);
  controls().SetText(550, "23");
  controls().SetText(560, "59");
  controls().SetComboIndex(311, 7);
  controls().SetComboIndex(336, 1);
  controls().SetText(646, "\\t");
  controls().SetChecked(885, true);
  controls().SetText(696, "9999");
  controls().SetComboIndex(340, 1);
  controls().SetText(620, "999999999");
  for (int page : {2, 3, 7, 11, 13}) {
    ClickPage(page);
    Save(*window,
         QStringLiteral("window-connected-page-%1.png").arg(page, 2, 10, QLatin1Char('0')));
  }
}

TEST_F(ScreenshotTest, AboutBox) {
  app::AboutDialog box(window.get());
  box.show();
  QCoreApplication::processEvents();
  Save(box, QStringLiteral("about.png"));
}

}  // namespace
}  // namespace km62rx::testing
