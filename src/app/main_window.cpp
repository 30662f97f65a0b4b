#include "app/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

#include "app/about_dialog.h"
#include "app/app_icon.h"
#include "app/clock_dialog.h"
#include "app/connect_dialog.h"
#include "app/dialog_support.h"
#include "app/line_loss_watch.h"
#include "app/ui_font.h"
#include "device/connection.h"
#include "device/link_status.h"
#include "ui/link_panel.h"
#include "ui/main_window_description.h"
#include "ui/qt/control_factory.h"
#include "ui/qt/page_builder.h"
#include "ui/qt/page_switch.h"
#include "ui/window_commands.h"

namespace km62rx::app {

MainWindow::MainWindow(AppServices& services, std::unique_ptr<device::SerialLine> line)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      services_(services),
      // A logger that goes away (unplugged, switched off) is shown as not
      // connected at once, without a box: there is nothing the user must
      // confirm.
      line_(std::make_unique<LineLossWatch>(std::move(line),
                                            [this] { device::CloseDeviceLink(link_); })),
      link_(*line_) {
  const ui::MainWindowDescription& description = ui::DescribedMainWindow();
  setWindowTitle(QtText(description.title));
  setWindowIcon(AppIcon());

  auto* client = new QWidget(this);
  client->setFont(FontOf(description.font));
  client->setFixedSize(description.clientWidth, description.clientHeight);
  setCentralWidget(client);

  notifier_ = services_.makeNotifier(this);
  ctx_.mainWindow = this;
  ctx_.link = &link_;
  ctx_.pages = &controls_;
  ctx_.mainNotifier = notifier_.get();
  ctx_.services = &services_;
  ctx_.host = this;
  ctx_.updateControlAvailability = [this](int connected, int sdState) {
    device::ApplyControlAvailability(controls_, connected, sdState, link_.timestampSupported);
  };

  for (const ui::ControlSpec& def : ui::LinkPanelControls())
    controls_.Register(def.id, ui::CreateControl(def, client));
  panel_ = std::make_unique<ui::LinkPanel>(controls_, ctx_.updateControlAvailability);
  pageSwitch_ = new ui::PageSwitch(
      ui::BuildMainControls(client, controls_),
      [this] { ctx_.updateControlAvailability(link_.connected, link_.sdState); }, client);

  link_.view = panel_.get();
  device::RefreshLinkStatus(link_);

  BuildMenu();
  ConnectButtons();
  const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
  setFixedSize(description.clientWidth, description.clientHeight + menuHeight);
}

MainWindow::~MainWindow() {
  Teardown();
  link_.view = nullptr;
  // The controls go before the records their filters and commands refer to;
  // a field that has the focus is left first, while everything still exists.
  QWidget* focused = QApplication::focusWidget();
  if (focused != nullptr && centralWidget()->isAncestorOf(focused))
    focused->clearFocus();
  delete takeCentralWidget();
}

void MainWindow::BuildMenu() {
  for (const ui::Menu& menu : ui::DescribedMainWindow().menus) {
    QMenu* popup = menuBar()->addMenu(QtText(menu.title.Get()));
    for (const ui::MenuItem& item : menu.items) {
      QAction* action = popup->addAction(QtText(item.text.Get()));
      action->setObjectName(QStringLiteral("menu%1").arg(item.id));
      const int id = item.id;
      connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
  }
}

void MainWindow::ConnectButtons() {
  for (int id : ui::WindowButtonCommands()) {
    auto* button = qobject_cast<QAbstractButton*>(controls_.Widget(id));
    if (button == nullptr)
      continue;
    connect(button, &QAbstractButton::clicked, this, [this, id] { RunCommand(id); });
  }
}

void MainWindow::RunCommand(int id) {
  static const SystemClock systemClock;
  ui::WindowCommandContext commands{link_, controls_, *notifier_,
                                    services_.clock ? *services_.clock : systemClock, *this};
  ui::RunWindowCommand(id, commands);
  // A command may have met the logger going in the middle of a wait; that
  // is told (once the command's event is done) as a loss noticed while idle.
  line_->CheckSoon();
}

void MainWindow::CloseWindow() {
  close();
}

void MainWindow::RunAboutBox() {
  ShowAboutBox(this);
}

void MainWindow::RunConnectDialog() {
  app::RunConnectDialog(ctx_);
}

void MainWindow::RunClockDialog(int clockDialogTarget) {
  app::RunClockDialog(ctx_, clockDialogTarget);
}

void MainWindow::SetBusy(bool busy) {
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

std::unique_ptr<FileChooser> MainWindow::MakeFileChooser() {
  return services_.makeFileChooser(this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  Teardown();
  QMainWindow::closeEvent(event);
}

void MainWindow::Teardown() {
  device::DestroyDeviceLink(link_);  // disconnects only while connected
}

}  // namespace km62rx::app
