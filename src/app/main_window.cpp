#include "app/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

#include "app/app_icon.h"
#include "app/field_focus_routing.h"
#include "app/line_loss_watch.h"
#include "app/link_panel.h"
#include "app/ui_font.h"
#include "app/window_commands.h"
#include "device/connection.h"
#include "device/link_status.h"
#include "ui/qt/page_builder.h"
#include "ui/qt/page_switch.h"

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
  setWindowTitle(QStringLiteral("DO-62REvev"));
  setWindowIcon(AppIcon());

  auto* client = new QWidget(this);
  client->setFont(UiFont());
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  notifier_ = services_.makeNotifier(this);
  ctx_.mainWindow = this;
  ctx_.link = &link_;
  ctx_.pages = &controls_;
  ctx_.mainNotifier = notifier_.get();
  ctx_.services = &services_;
  ctx_.updateControlAvailability = [this](int connected, int sdState) {
    device::ApplyControlAvailability(controls_, connected, sdState, link_.timestampSupported);
  };

  panel_ = std::make_unique<LinkPanel>(client, controls_, ctx_.updateControlAvailability);
  pageSwitch_ = new ui::PageSwitch(
      ui::BuildMainControls(client, controls_),
      [this] { ctx_.updateControlAvailability(link_.connected, link_.sdState); }, client);
  AttachFieldFocusRouting(controls_);

  link_.view = panel_.get();
  device::RefreshLinkStatus(link_);

  BuildMenu();
  ConnectButtons();
  const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
  setFixedSize(kClientWidth, kClientHeight + menuHeight);
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
  struct Item {
    QMenu* menu;
    int id;
    QString text;
  };
  QMenu* file = menuBar()->addMenu(tr("ファイル"));
  QMenu* help = menuBar()->addMenu(tr("ヘルプ"));
  const Item items[] = {
      {file, kMenuExit, tr("終了")},
      {help, kMenuAbout, tr("バージョン情報")},
  };
  for (const Item& item : items) {
    QAction* action = item.menu->addAction(item.text);
    action->setObjectName(QStringLiteral("menu%1").arg(item.id));
    const int id = item.id;
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
  }
}

void MainWindow::ConnectButtons() {
  for (int id : WindowButtonCommands()) {
    auto* button = qobject_cast<QAbstractButton*>(controls_.Widget(id));
    if (button == nullptr)
      continue;
    connect(button, &QAbstractButton::clicked, this, [this, id] { RunCommand(id); });
  }
}

void MainWindow::RunCommand(int id) {
  RunWindowCommand(id, ctx_);
  // A command may have met the logger going in the middle of a wait; that
  // is told (once the command's event is done) as a loss noticed while idle.
  line_->CheckSoon();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  Teardown();
  QMainWindow::closeEvent(event);
}

void MainWindow::Teardown() {
  device::DestroyDeviceLink(link_);  // disconnects only while connected
}

}  // namespace km62rx::app
