#include <QApplication>
#include <QStandardPaths>
#include <QtGlobal>

#include <gtest/gtest.h>

#include "app/translations.h"
#include "settings/language.h"

// The window tests drive real widgets on the offscreen platform, also when
// the test list is read at build time, in the language of the locale as the
// program does.
int main(int argc, char** argv) {
  km62rx::SetLanguage(km62rx::LanguageFromEnvironment());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // File dialogs keep their history in the test area, not the user's settings.
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  km62rx::app::InstallTranslations(app);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
