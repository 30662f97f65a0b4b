#pragma once

#include <memory>

#include <QMainWindow>

#include "app/app_context.h"
#include "device/device_link.h"
#include "device/serial_line.h"
#include "ui/qt/qt_page_controls.h"
#include "ui/window_host.h"

class QCloseEvent;

namespace km62rx::ui {
class LinkPanel;
class PageSwitch;
}  // namespace km62rx::ui

namespace km62rx::app {

class LineLossWatch;

// The main window "DO-62REvev": menu, connection panel, settings area with
// the page tree and the thirteen pages, clock buttons. Fixed size. Owns the
// serial line, the connection record and the page controls; closing it
// (menu "終了" or the close box) closes an open connection. Its commands are
// the standard layer's command table, to which it is the host.
class MainWindow : public QMainWindow, private ui::WindowHost {
  Q_OBJECT

 public:
  MainWindow(AppServices& services, std::unique_ptr<device::SerialLine> line);
  ~MainWindow() override;

  device::DeviceLink& Link() { return link_; }
  ui::QtPageControls& Controls() { return controls_; }
  AppContext& Context() { return ctx_; }
  ui::PageSwitch& Pages() { return *pageSwitch_; }
  QWidget* ClientArea() const { return centralWidget(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void ConnectButtons();
  // Closes an open connection (end of run).
  void Teardown();

  // Runs the command, then checks the line for a logger that went away.
  void RunCommand(int id);

  void CloseWindow() override;
  void RunAboutBox() override;
  void RunConnectDialog() override;
  void RunClockDialog(int clockDialogTarget) override;
  void SetBusy(bool busy) override;
  std::unique_ptr<FileChooser> MakeFileChooser() override;

  AppServices& services_;
  std::unique_ptr<LineLossWatch> line_;
  device::DeviceLink link_;
  ui::QtPageControls controls_;
  std::unique_ptr<Notifier> notifier_;
  AppContext ctx_;
  std::unique_ptr<ui::LinkPanel> panel_;
  ui::PageSwitch* pageSwitch_ = nullptr;  // child of the client area
};

}  // namespace km62rx::app
