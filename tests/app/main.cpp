#include <QApplication>
#include <QStandardPaths>
#include <QtGlobal>

#include <gtest/gtest.h>

// The window tests drive real widgets on the offscreen platform, also when
// the test list is read at build time.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // File dialogs keep their history in the test area, not the user's settings.
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
