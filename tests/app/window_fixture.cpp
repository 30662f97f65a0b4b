#include "window_fixture.h"

#include <QCursor>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "device/connection.h"
#include "ui/qt/page_builder.h"

namespace km62rx::testing {

void WindowTest::SetUp() {
  services.makeNotifier = [](QWidget*) -> std::unique_ptr<Notifier> {
    return std::make_unique<RecordingNotifier>();
  };
  services.makeFileChooser = [](QWidget*) -> std::unique_ptr<FileChooser> {
    return std::make_unique<FixedFileChooser>(std::nullopt);
  };
  services.listPorts = [] { return std::vector<std::string>{}; };
  services.clock = &clock;
  auto fake = std::make_unique<FakeSerialLine>();
  line = fake.get();
  window = std::make_unique<app::MainWindow>(services, std::move(fake));
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void WindowTest::SetLink(int connected, int sdState, int firmware, int timestampSupported) {
  device::DeviceLink& link = window->Link();
  link.connected = connected;
  link.sdState = sdState;
  link.firmwareVersion = firmware;
  link.timestampSupported = timestampSupported;
  device::RefreshLinkStatus(link);
}

void WindowTest::ClickPage(int page, bool runSwitch) {
  QTreeWidget* tree = window->Pages().Tree();
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    if ((*it)->data(0, ui::kPageRole).toInt() == page) {
      tree->scrollToItem(*it);
      QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                        tree->visualItemRect(*it).center());
      if (runSwitch)
        QCoreApplication::processEvents();
      return;
    }
  }
  ADD_FAILURE() << "no tree item for page " << page;
}

void WindowTest::Type(Qt::Key key) {
  QTest::keyClick(QApplication::focusWidget(), key);
  QCoreApplication::processEvents();
}

void WindowTest::TypeChars(const std::string& chars) {
  for (char c : chars) {
    QTest::keyClick(QApplication::focusWidget(), c);
    QCoreApplication::processEvents();
  }
}

void WindowTest::Focus(int id) {
  widget(id)->setFocus(Qt::OtherFocusReason);
  QCoreApplication::processEvents();
}

void WindowTest::Leave() {
  window->Pages().Tree()->setFocus();
  QCoreApplication::processEvents();
}

std::string WindowTest::FocusedName() const {
  const QWidget* focused = QApplication::focusWidget();
  return focused ? focused->objectName().toStdString() : std::string("(none)");
}

bool WindowTest::Busy() {
  const QCursor* cursor = QApplication::overrideCursor();
  return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

}  // namespace km62rx::testing
