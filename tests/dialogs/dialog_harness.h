#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "device/device_link.h"
#include "device/qt/qt_serial_line.h"
#include "settings/clock.h"
#include "support/sim_process.h"
#include "support/temp_folder.h"
#include "ui/memory_page_controls.h"

namespace km62rx::testing {

using Options = std::vector<std::string>;

// One message box as a notifier received it, with the objectName of the
// window that owned it.
struct OwnedBox {
  std::string owner;
  std::string title;
  std::string text;
  friend bool operator==(const OwnedBox&, const OwnedBox&) = default;
};
void PrintTo(const OwnedBox& box, std::ostream* os);

// Records every box of every notifier it made, in the order shown.
class BoxLog {
 public:
  std::unique_ptr<Notifier> NotifierFor(QWidget* owner);
  std::vector<OwnedBox> boxes;
};

// What a dialog needs: a serial line and link, a stand-in main window (never
// shown), recorded boxes, a pinned clock, a fixed file answer and the port
// list; the simulator when options are given.
class DialogHarness {
 public:
  static constexpr const char* kMainWindow = "mainWindow";

  explicit DialogHarness(std::optional<std::vector<std::string>> simOptions = std::nullopt);

  std::vector<std::string> SimLines() const;  // received by the simulator

  std::unique_ptr<SimProcess> sim;
  device::QtSerialLine line;
  device::DeviceLink link{line};
  QWidget mainWindow;
  BoxLog log;
  std::unique_ptr<Notifier> mainNotifier;
  FixedClock clock{2026, 3, 5, 7, 8, 9};
  ui::MemoryPageControls pages;
  std::vector<std::string> ports;            // what listPorts answers
  std::optional<std::string> chooserAnswer;  // what the file chooser answers
  std::vector<std::string> chooserOwners;    // owner of each chooser made
  app::AppServices services;
  app::AppContext ctx;
};

// Checks after every dialog test that no top-level window is left visible.
class DialogTest : public ::testing::Test {
 protected:
  void TearDown() override;
};

// Runs action once the current modal dialog is up (from the event loop of
// its exec()); the dialog found is passed in. Gives up after about 5 s.
void WhenModalShown(std::function<void(QWidget* modal)> action);
// The same for the first modal window that matches.
void WhenModalShown(std::function<bool(QWidget* modal)> matches,
                    std::function<void(QWidget* modal)> action);

// The child control "ctl<id>" of a window; its text; a mouse click on it.
template <typename T = QWidget>
T* ChildControl(QWidget& window, int id) {
  T* control = window.findChild<T*>(QStringLiteral("ctl%1").arg(id));
  EXPECT_NE(control, nullptr) << "control " << id;
  return control;
}
std::string ControlText(QWidget& window, int id);
// Shows a window and waits until it is active, for key events.
void ShowActive(QWidget& window);
void ClickControl(QWidget& window, int id);
// Whether the busy cursor is showing over the program.
bool Busy();
// text with the first from replaced by to.
std::string Replaced(std::string text, const std::string& from, const std::string& to);

}  // namespace km62rx::testing
