#include <gtest/gtest.h>

#include "settings/language.h"

#include <QCoreApplication>

// The network line runs on QTcpSocket, which needs a QCoreApplication; no
// event loop runs.
int main(int argc, char** argv) {
  km62rx::SetLanguage(km62rx::LanguageFromEnvironment());
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
