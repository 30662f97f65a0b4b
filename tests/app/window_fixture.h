#pragma once

#include <QLineEdit>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "settings/clock.h"
#include "support/fake_serial_line.h"
#include "support/pinned_text.h"
#include "ui/qt/page_switch.h"
#include "ui/qt/qt_page_controls.h"

namespace km62rx::testing {

using Options = std::vector<std::string>;

// A message box as shown, with the objectName of the window that owned it.
// Compared with the Japanese texts a test pins, under English it matches a
// box of the same owner whose texts hold no Japanese.
struct OwnedBox {
  std::string owner;
  std::string title;
  std::string text;
  friend bool operator==(const OwnedBox& shown, const OwnedBox& pinned) {
    return shown.owner == pinned.owner && TextMatches(shown.title, pinned.title) &&
           TextMatches(shown.text, pinned.text);
  }
};
inline void PrintTo(const OwnedBox& b, std::ostream* os) {
  *os << "{" << b.owner << ": " << b.title << " / " << b.text << "}";
}

// A shown and active main window, named kMain, over a scripted serial line
// (line) unless started over another. Boxes are recorded, never shown; the
// file chooser answers chooserAnswer and the port list is ports. After each
// test no top-level window may be left visible.
class WindowTest : public ::testing::Test {
 protected:
  static constexpr const char* kMain = "mainWindow";

  void SetUp() override { Start(std::make_unique<FakeSerialLine>()); }
  void TearDown() override;
  // Closes the window and, given a line, opens a new one over it.
  void Start(std::unique_ptr<device::SerialLine> serial);

  ui::QtPageControls& controls() { return window->Controls(); }
  app::AppContext& ctx() { return window->Context(); }
  device::DeviceLink& link() { return window->Link(); }
  QWidget* widget(int id) { return controls().Widget(id); }
  QLineEdit* edit(int id) { return controls().LineEdit(id); }
  std::string Text(int id) { return controls().Text(id); }

  // Sets the link's state as a handshake would.
  void SetLink(int connected, int sdState, int firmware, int timestampSupported);
  // Clicks a page's tree item and, unless told not to, runs the queued switch.
  void ClickPage(int page, bool runSwitch = true);
  // Clicks an enabled button of the window.
  void Click(int id);
  // Key events to the focused widget, letting queued work run after each.
  void Type(Qt::Key key);
  void TypeChars(const std::string& chars);
  void Focus(int id);
  void Leave();  // moves the focus to the page tree
  std::string FocusedName() const;

  FixedClock clock{2026, 3, 5, 7, 8, 9};
  std::vector<OwnedBox> boxes;
  std::vector<std::string> ports;
  std::optional<std::string> chooserAnswer;
  std::vector<std::string> chooserOwners;  // owner of each chooser made
  app::AppServices services;
  FakeSerialLine* line = nullptr;  // when started over the scripted line
  std::unique_ptr<app::MainWindow> window;
};

// Whether the busy cursor is up.
bool Busy();
// Runs action once a modal window (that matches) is up, from the event loop
// of its exec(). Gives up after about 5 s.
void WhenModalShown(std::function<void(QWidget* modal)> action,
                    std::function<bool(QWidget* modal)> matches = nullptr);

// The child control "ctl<id>" of a window; its text; a mouse click on it.
template <typename T = QWidget>
T* ChildControl(QWidget& window, int id) {
  T* control = window.findChild<T*>(QStringLiteral("ctl%1").arg(id));
  EXPECT_NE(control, nullptr) << "control " << id;
  return control;
}
std::string ControlText(QWidget& window, int id);
// Under English, that no title, label, button, item or menu of a window
// holds Japanese (the fields hold the user's values and are left out).
void ExpectNoJapaneseIn(QWidget& window);
void ClickControl(QWidget& window, int id);
// Types text into a cleared field with key events.
void TypeInto(QLineEdit* field, const std::string& text);
// Shows a window and waits until it is active, for key events.
void ShowActive(QWidget& window);

}  // namespace km62rx::testing
