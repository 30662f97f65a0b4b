#pragma once

class QCoreApplication;

namespace km62rx::app {

// Installs Qt's own Japanese translation, where it is installed, for the
// dialogs and menus Qt draws itself (the file dialog, a field's context
// menu) when the run is in Japanese.
void InstallTranslations(QCoreApplication& application);

}  // namespace km62rx::app
