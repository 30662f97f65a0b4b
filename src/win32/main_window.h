#pragma once

#include <windows.h>

#include <memory>

#include "device/device_link.h"
#include "device/serial_line.h"
#include "ui/link_panel.h"
#include "ui/window_host.h"
#include "win32/fonts.h"
#include "win32/line_loss_timer.h"
#include "win32/page_switch.h"
#include "win32/queued_calls.h"
#include "win32/win32_page_controls.h"
#include "win32/window_context.h"
#include "win32/window_controls.h"
#include "win32/window_services.h"

namespace km62rx::win32 {

// The main window "DO-62REvev" (class "KM62RXSET"): menu, connection panel,
// settings area with the page tree and the thirteen pages, clock buttons.
// Its client area has the described size at the DPI of its monitor; it can
// be minimised, neither resized nor maximised. Owns the serial line, the
// connection record and the page controls; closing it (menu "終了" or the
// close box) closes an open connection. Its commands are the standard
// layer's command table, to which it is the host. Made hidden; Show shows it.
class MainWindow : private ui::WindowHost {
 public:
  MainWindow(WindowServices services, std::unique_ptr<device::SerialLine> line);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Null once the window is gone (or when it could not be made).
  HWND Handle() const { return window_; }
  void Show(int showCommand);

  device::DeviceLink& Link() { return link_; }
  Win32PageControls& Controls() { return *controls_; }
  const PageSwitch& Pages() const { return *pageSwitch_; }
  bool Busy() const { return busy_ > 0; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Build();
  void ApplyDpi(UINT dpi, const RECT& suggested);
  // Enables and disables the device-dependent controls for a connected flag
  // and an SD state (the time-stamp flag is the link's).
  void ApplyAvailability(int connected, int sdState);
  // Runs the command, then checks the line for a logger that went away.
  void RunCommand(int id);

  void CloseWindow() override;
  void RunAboutBox() override;
  void RunConnectDialog() override;
  void RunClockDialog(int clockDialogTarget) override;
  void SetBusy(bool busy) override;
  std::unique_ptr<FileChooser> MakeFileChooser() override;

  WindowServices services_;
  std::unique_ptr<LineLossTimer> line_;
  device::DeviceLink link_;
  HWND window_ = nullptr;
  UINT dpi_ = 0;
  FontHandle font_;
  WindowControls built_;
  std::unique_ptr<Win32PageControls> controls_;
  std::unique_ptr<Notifier> notifier_;
  WindowContext ctx_;
  std::unique_ptr<ui::LinkPanel> panel_;
  std::unique_ptr<QueuedCalls> queue_;
  std::unique_ptr<PageSwitch> pageSwitch_;
  int busy_ = 0;              // nested busy calls
  HWND lastFocus_ = nullptr;  // the control that had the focus when the window was left
};

}  // namespace km62rx::win32
