// Start time of the window: from the start of main until the main window is
// shown and exposed on the display, with the same start-up steps as
// km62rx-settings (language, QApplication, translations, window). Prints
// one figure in milliseconds, then exits; scripts/window-start.sh runs it
// under Xvfb several times, beside the whole program's run time. Asserts
// nothing.

#include <QApplication>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <memory>

#include "app/app_context.h"
#include "app/main_window.h"
#include "app/qt_file_chooser.h"
#include "app/qt_notifier.h"
#include "app/translations.h"
#include "device/line_for_port.h"
#include "device/port_line.h"
#include "settings/clock.h"
#include "settings/language.h"

int main(int argc, char** argv) {
  using namespace km62rx;
  const auto start = std::chrono::steady_clock::now();
  SetLanguage(LanguageFromEnvironment());
  QApplication application(argc, argv);
  app::InstallTranslations(application);

  const SystemClock clock;
  app::AppServices services;
  services.makeNotifier = [](QWidget* owner) -> std::unique_ptr<Notifier> {
    return std::make_unique<app::QtNotifier>(owner);
  };
  services.makeFileChooser = [](QWidget* owner) -> std::unique_ptr<FileChooser> {
    return std::make_unique<app::QtFileChooser>(owner);
  };
  services.listPorts = [] { return std::vector<std::string>{}; };
  services.clock = &clock;

  app::MainWindow window(services, std::make_unique<device::PortLine>(device::MakeLineForPort));
  window.show();
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QApplication::processEvents();  // the first paint
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("%.1f\n", ms);
  return 0;
}
