#pragma once

#include <memory>

#include "settings/file_chooser.h"

namespace km62rx::ui {

// What the window's commands ask of the front end that draws the window:
// closing it, running its dialogs modally, the busy cursor and a file
// chooser owned by the main window. Everything else they do through the
// pages, the link and the main window's notifier.
class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // Closes the main window, which ends the run (menu "終了").
  virtual void CloseWindow() = 0;
  virtual void RunAboutBox() = 0;
  virtual void RunConnectDialog() = 0;
  // The clock dialog: clockDialogTarget 1 sends the typed time to the
  // logger, 0 stores it in a settings file.
  virtual void RunClockDialog(int clockDialogTarget) = 0;
  // Shows the busy cursor over the whole program, or takes it away. Calls
  // nest: the cursor goes when every "on" has had its "off".
  virtual void SetBusy(bool busy) = 0;
  virtual std::unique_ptr<FileChooser> MakeFileChooser() = 0;
};

// The busy cursor for the life of the object.
class BusyScope {
 public:
  explicit BusyScope(WindowHost& host) : host_(host) { host_.SetBusy(true); }
  ~BusyScope() { host_.SetBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  WindowHost& host_;
};

}  // namespace km62rx::ui
