// km62rx-settings: the desktop program. Ports named on the command line are
// listed in the connect dialog after the ports found on the machine (device
// paths such as /dev/pts/7 of the simulator work too, and network ports
// socket://HOST:PORT), then the ports of the ports file.
#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/app_icon.h"
#include "app/main_window.h"
#include "app/qt_file_chooser.h"
#include "app/qt_notifier.h"
#include "app/translations.h"
#include "device/port_line.h"
#include "device/qt/line_for_port.h"
#include "settings/clock.h"
#include "settings/language.h"

int main(int argc, char** argv) {
  // The language comes first: every text is made in it.
  km62rx::SetLanguage(km62rx::LanguageFromEnvironment());
  QApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("km62rx-settings"));
  application.setWindowIcon(km62rx::app::AppIcon());

  km62rx::app::InstallTranslations(application);

  std::vector<std::string> extraPorts;
  const QStringList arguments = QApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i)
    extraPorts.push_back(arguments[i].toStdString());

  const km62rx::SystemClock clock;
  km62rx::app::AppServices services;
  services.makeNotifier = [](QWidget* owner) -> std::unique_ptr<km62rx::Notifier> {
    return std::make_unique<km62rx::app::QtNotifier>(owner);
  };
  services.makeFileChooser = [](QWidget* owner) -> std::unique_ptr<km62rx::FileChooser> {
    return std::make_unique<km62rx::app::QtFileChooser>(owner);
  };
  services.listPorts = [extraPorts] {
    std::string note;
    std::vector<std::string> offered = km62rx::device::OfferedPorts(extraPorts, note);
    if (!note.empty())
      std::fputs(("km62rx-settings: note: " + note + "\n").c_str(), stderr);
    return offered;
  };
  services.clock = &clock;

  km62rx::app::MainWindow window(
      services, std::make_unique<km62rx::device::PortLine>(km62rx::device::MakeLineForPort));
  window.show();
  return application.exec();
}
