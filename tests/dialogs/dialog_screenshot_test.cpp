// Writes pictures of the connect dialog, the clock dialog (to the logger and
// into a file) and the About box into the folder named by
// KM62RX_SCREENSHOT_DIR, to look at their layout; skipped without it.
#include <QApplication>
#include <QDialog>
#include <QDir>

#include <gtest/gtest.h>

#include "app/about_dialog.h"
#include "app/clock_dialog.h"
#include "app/connect_dialog.h"
#include "dialog_harness.h"

namespace km62rx::testing {
namespace {

class DialogScreenshotTest : public DialogTest {
 protected:
  void SetUp() override {
    folder_ = qEnvironmentVariable("KM62RX_SCREENSHOT_DIR");
    if (folder_.isEmpty())
      GTEST_SKIP() << "KM62RX_SCREENSHOT_DIR not set";
    QDir().mkpath(folder_);
  }

  // Shows the dialog without running its loop, saves its picture and hides
  // it again.
  void Save(QDialog& dialog, const QString& name) {
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog.grab().save(QDir(folder_).filePath(name))) << name.toStdString();
    dialog.hide();
  }

 private:
  QString folder_;
};

TEST_F(DialogScreenshotTest, ConnectClockAndAbout) {
  DialogHarness h;
  h.ports = {"ttyS0", "/dev/pts/3"};
  {
    app::ConnectDialog dialog(h.ctx);
    Save(dialog, QStringLiteral("dialog-connect.png"));
  }
  {
    app::ClockDialog dialog(h.ctx, 1);
    Save(dialog, QStringLiteral("dialog-clock-logger.png"));
  }
  {
    app::ClockDialog dialog(h.ctx, 0);
    Save(dialog, QStringLiteral("dialog-clock-file.png"));
  }
  app::AboutDialog box(&h.mainWindow);
  Save(box, QStringLiteral("dialog-about.png"));
}

}  // namespace
}  // namespace km62rx::testing
