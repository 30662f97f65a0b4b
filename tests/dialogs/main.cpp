#include <QApplication>

#include <gtest/gtest.h>

// Widgets need a QApplication; the tests run under the offscreen platform
// and drive the dialogs with QTest events.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
