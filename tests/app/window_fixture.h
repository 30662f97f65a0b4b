#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <optional>
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

// Passes every box on to one shared recorder, whichever window owns it.
class ForwardingNotifier : public Notifier {
 public:
  explicit ForwardingNotifier(RecordingNotifier& target) : target_(target) {}
  void Show(std::string_view title, std::string_view text) override { target_.Show(title, text); }

 private:
  RecordingNotifier& target_;
};

// A shown and active main window over a scripted serial line; boxes are
// recorded, file prompts answer with filePath (cancel when empty).
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services.makeNotifier = [this](QWidget*) -> std::unique_ptr<Notifier> {
      return std::make_unique<ForwardingNotifier>(boxes);
    };
    services.makeFileChooser = [this](QWidget*) -> std::unique_ptr<FileChooser> {
      return std::make_unique<FixedFileChooser>(filePath);
    };
    services.listPorts = [] { return std::vector<std::string>{}; };
    services.clock = &clock;
    std::unique_ptr<device::SerialLine> serial = MakeLine();
    if (!serial) {
      auto fake = std::make_unique<FakeSerialLine>();
      line = fake.get();
      serial = std::move(fake);
    }
    window = std::make_unique<app::MainWindow>(services, std::move(serial));
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override { window.reset(); }
  // The window's serial line; null gives a scripted fake (line).
  virtual std::unique_ptr<device::SerialLine> MakeLine() { return nullptr; }

  ui::QtPageControls& controls() { return window->Controls(); }
  QWidget* widget(int id) { return controls().Widget(id); }
  QLineEdit* edit(int id) { return controls().LineEdit(id); }

  // Clicks the tree item of a page and lets the queued page switch run.
  void ClickPage(int page);
  // Types keys into whichever widget has the focus, letting queued work run
  // after each.
  void Type(Qt::Key key);
  void TypeChar(char c);
  void Focus(int id);
  std::string FocusedName() const;

  RecordingNotifier boxes;
  FixedClock clock{2026, 3, 15, 14, 25, 30};
  std::optional<std::string> filePath;
  app::AppServices services;
  FakeSerialLine* line = nullptr;  // when the window runs on the fake
  std::unique_ptr<app::MainWindow> window;
};

}  // namespace km62rx::testing
