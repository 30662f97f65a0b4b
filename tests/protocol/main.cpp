#include <QCoreApplication>

#include <gtest/gtest.h>

#include "settings/language.h"

// The serial line runs on QSerialPort, which needs an application object.
int main(int argc, char** argv) {
  km62rx::SetLanguage(km62rx::LanguageFromEnvironment());
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
