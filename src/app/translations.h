#pragma once

class QCoreApplication;

namespace km62rx::app {

// Installs the translations of the chosen language on the application: in
// English the program's own English texts (Qt's own dialogs and menus are
// English without a translation); in Japanese Qt's Japanese translation,
// where it is installed.
void InstallTranslations(QCoreApplication& application);

}  // namespace km62rx::app
