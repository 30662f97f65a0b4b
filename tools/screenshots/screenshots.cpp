// Writes the pictures the README shows into the folder given as the first
// argument: the window on three pages as after receiving settings from a
// logger, the connect dialog and the clock dialog for a file; with --all
// also every other page and the About box, to look the layout over. The
// texts are in the language of the locale, and the English pictures' names
// end in "-en". Run offscreen by scripts/screenshots.sh.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cstdio>
#include <memory>

#include "app/about_dialog.h"
#include "app/clock_dialog.h"
#include "app/connect_dialog.h"
#include "app/main_window.h"
#include "app/translations.h"
#include "device/connection.h"
#include "device/control_ids.h"
#include "settings/clock.h"
#include "settings/file_chooser.h"
#include "settings/language.h"
#include "settings/notifier.h"
#include "support/fake_serial_line.h"
#include "ui/qt/page_builder.h"
#include "ui/qt/page_switch.h"
#include "ui/qt/qt_page_controls.h"

namespace {

using namespace km62rx;

bool Save(QWidget& widget, const QString& folder, QString name) {
  widget.show();
  QCoreApplication::processEvents();
  if (CurrentLanguage() == Language::kEnglish)
    name.replace(QStringLiteral(".png"), QStringLiteral("-en.png"));
  const QString path = QDir(folder).filePath(name);
  const bool saved = widget.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
  return saved;
}

void ShowPage(app::MainWindow& window, int page) {
  QTreeWidget* tree = window.Pages().Tree();
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    if ((*it)->data(0, ui::kPageRole).toInt() == page) {
      tree->scrollToItem(*it);
      QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                        tree->visualItemRect(*it).center());
      QCoreApplication::processEvents();
    }
  }
}

// Settings as a logger might hold them: three start rows by data, two by
// time of day, the time stamp on.
void FillPages(ui::QtPageControls& pages) {
  const char* rows[3][4] = {{"0D", "0A", "", ""}, {"02", "53", "54", "58"}, {"1B", "40", "", ""}};
  for (int r = 0; r < 3; ++r) {
    pages.SetChecked(ids::StartDataCheck(r), true);
    for (int k = 0; k < 4; ++k)
      pages.SetText(ids::StartDataByte(r, k), rows[r][k]);
  }
  for (int r : {0, 3}) {
    pages.SetChecked(ids::StartTimeCheck(r), true);
    pages.SetComboIndex(ids::StartTimeWeekday(r), r == 0 ? 0 : 1);
    pages.SetText(ids::StartTimeHour(r), r == 0 ? "08" : "17");
    pages.SetText(ids::StartTimeMinute(r), "30");
  }
  pages.SetComboIndex(ids::kTimestampModeCombo, 1);
  pages.SetText(ids::ExcludedByte(0), "0D");
  pages.SetText(ids::ExcludedByte(1), "0A");
}

}  // namespace

int main(int argc, char** argv) {
  SetLanguage(LanguageFromEnvironment());
  QApplication application(argc, argv);
  app::InstallTranslations(application);
  const bool all = argc == 3 && QByteArray(argv[2]) == "--all";
  if (argc != 2 && !all) {
    std::fprintf(stderr, "usage: %s FOLDER [--all]\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);

  FixedClock clock{2026, 12, 6, 19, 50, 58};
  app::AppServices services;
  services.makeNotifier = [](QWidget*) -> std::unique_ptr<Notifier> {
    return std::make_unique<RecordingNotifier>();
  };
  services.makeFileChooser = [](QWidget*) -> std::unique_ptr<FileChooser> {
    return std::make_unique<FixedFileChooser>(std::nullopt);
  };
  services.listPorts = [] { return std::vector<std::string>{"/dev/ttyS0", "/dev/pts/3"}; };
  services.clock = &clock;
  app::MainWindow window(services, std::make_unique<testing::FakeSerialLine>());
  window.show();
  QTest::qWaitForWindowExposed(&window);

  device::DeviceLink& link = window.Link();
  link.connected = 1;
  link.sdState = 1;
  link.firmwareVersion = 101;
  link.timestampSupported = 1;
  device::RefreshLinkStatus(link);
  FillPages(window.Controls());

  bool ok = true;
  const std::pair<int, const char*> pages[] = {{2, "window-data-triggers.png"},
                                               {3, "window-time-triggers.png"},
                                               {11, "window-timestamp.png"}};
  for (const auto& [page, name] : pages) {
    ShowPage(window, page);
    ok = Save(window, folder, QString::fromLatin1(name)) && ok;
  }
  for (int page = 1; all && page <= 13; ++page) {
    ShowPage(window, page);
    ok = Save(window, folder, QStringLiteral("page-%1.png").arg(page, 2, 10, QLatin1Char('0'))) &&
         ok;
  }
  if (all) {
    const std::unique_ptr<QDialog> about = app::MakeAboutBox(&window);
    ok = Save(*about, folder, QStringLiteral("dialog-about.png")) && ok;
    about->hide();
  }
  {
    app::ConnectDialog dialog(window.Context());
    dialog.ReadyToShow();
    if (auto* ports = dialog.findChild<QComboBox*>(QStringLiteral("ctl300")))
      ports->setCurrentIndex(ports->count() - 1);
    ok = Save(dialog, folder, QStringLiteral("dialog-connect.png")) && ok;
    dialog.hide();
  }
  {
    app::ClockDialog dialog(window.Context(), 0);
    ok = Save(dialog, folder, QStringLiteral("dialog-clock.png")) && ok;
    dialog.hide();
  }
  window.close();
  return ok ? 0 : 1;
}
