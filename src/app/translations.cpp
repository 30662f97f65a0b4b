#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "settings/language.h"

namespace km62rx::app {

void InstallTranslations(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  const bool loaded = CurrentLanguage() == Language::kEnglish
                          ? translator->load(QStringLiteral(":/translations/km62rx_en.qm"))
                          : translator->load(QLocale(QLocale::Japanese, QLocale::Japan),
                                             QStringLiteral("qtbase"), QStringLiteral("_"),
                                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (loaded)
    QCoreApplication::installTranslator(translator);
  else
    delete translator;
}

}  // namespace km62rx::app
