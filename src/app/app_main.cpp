// km62rx-settings: the desktop program. Ports named on the command line are
// listed in the connect dialog after the ports found on the machine (device
// paths such as /dev/pts/7 of the simulator work too, and network ports
// socket://HOST:PORT), then the ports of the ports file.
#include <QApplication>
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
#include "device/line_for_port.h"
#include "device/port_discovery.h"
#include "device/port_line.h"
#include "settings/clock.h"
#include "settings/language.h"
#include "ui/window_arguments.h"

int main(int argc, char** argv) {
  // The language comes first: every text is made in it.
  km62rx::SetLanguage(km62rx::LanguageFromEnvironment());

  // The arguments are read before Qt starts: --help, --version and a usage
  // error need no display, and without one Qt would abort.
  using Action = km62rx::ui::WindowArguments::Action;
  const km62rx::ui::WindowArguments arguments =
      km62rx::ui::ReadWindowArguments(std::vector<std::string>(argv + 1, argv + argc));
  switch (arguments.action) {
    case Action::kHelp:
      std::fputs(std::string(km62rx::ui::WindowUsage()).c_str(), stdout);
      return 0;
    case Action::kVersion:
      std::fputs(km62rx::ui::WindowVersionLine().c_str(), stdout);
      return 0;
    case Action::kUsageError:
      std::fputs(km62rx::ui::WindowUsageErrorLine(arguments).c_str(), stderr);
      return 2;
    case Action::kOpenWindow:
      break;
  }
  if (const std::string missing = km62rx::ui::MissingDisplay(arguments); !missing.empty()) {
    std::fputs((missing + "\n").c_str(), stderr);
    return 1;
  }

  QApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("km62rx-settings"));
  application.setWindowIcon(km62rx::app::AppIcon());

  km62rx::app::InstallTranslations(application);

  const km62rx::SystemClock clock;
  km62rx::app::AppServices services;
  services.makeNotifier = [](QWidget* owner) -> std::unique_ptr<km62rx::Notifier> {
    return std::make_unique<km62rx::app::QtNotifier>(owner);
  };
  services.makeFileChooser = [](QWidget* owner) -> std::unique_ptr<km62rx::FileChooser> {
    return std::make_unique<km62rx::app::QtFileChooser>(owner);
  };
  services.listPorts = [ports = arguments.ports] {
    std::string note;
    std::vector<std::string> offered = km62rx::device::OfferedPorts(ports, note);
    if (!note.empty())
      std::fputs(km62rx::ui::WindowNoteLine(note).c_str(), stderr);
    return offered;
  };
  services.clock = &clock;

  km62rx::app::MainWindow window(
      services, std::make_unique<km62rx::device::PortLine>(km62rx::device::MakeLineForPort));
  window.show();
  return application.exec();
}
