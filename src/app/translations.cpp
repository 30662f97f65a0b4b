#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "settings/language.h"

namespace km62rx::app {

void InstallTranslations(QCoreApplication& application) {
  // The program's own texts come from its tables in the language of the
  // run; Qt's own dialogs and menus are English without a translation.
  if (CurrentLanguage() == Language::kEnglish)
    return;
  auto* translator = new QTranslator(&application);
  if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  else
    delete translator;
}

}  // namespace km62rx::app
