#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "settings/clock.h"
#include "settings/file_chooser.h"
#include "settings/notifier.h"
#include "support/fake_serial_line.h"
#include "ui/qt/page_switch.h"
#include "ui/qt/qt_page_controls.h"

namespace km62rx::testing {

// A shown and active main window over a scripted serial line (line); boxes
// are recorded, never shown, and file prompts are cancelled.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { window.reset(); }

  ui::QtPageControls& controls() { return window->Controls(); }
  QWidget* widget(int id) { return controls().Widget(id); }
  QLineEdit* edit(int id) { return controls().LineEdit(id); }
  std::string Text(int id) { return controls().Text(id); }

  // Sets the link's state as a handshake would and refreshes the panel.
  void SetLink(int connected, int sdState, int firmware, int timestampSupported);
  // Clicks the tree item of a page and, unless told not to, lets the queued
  // page switch run.
  void ClickPage(int page, bool runSwitch = true);
  // Key events to the focused widget, letting queued work run after each.
  void Type(Qt::Key key);
  void TypeChars(const std::string& chars);
  void Focus(int id);
  void Leave();  // moves the focus to the page tree
  std::string FocusedName() const;
  static bool Busy();  // whether the busy cursor is up

  FixedClock clock{2026, 3, 15, 14, 25, 30};
  app::AppServices services;
  FakeSerialLine* line = nullptr;
  std::unique_ptr<app::MainWindow> window;
};

}  // namespace km62rx::testing
