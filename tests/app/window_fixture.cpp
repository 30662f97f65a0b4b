#include "window_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCursor>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <tuple>

#include "device/connection.h"
#include "settings/notifier.h"
#include "ui/qt/page_builder.h"

namespace km62rx::testing {

namespace {

std::string NameOf(const QWidget* owner) {
  return owner ? owner->objectName().toStdString() : std::string("(none)");
}

class OwnedRecorder : public Notifier {
 public:
  OwnedRecorder(std::vector<OwnedBox>& boxes, QWidget* owner) : boxes_(boxes), owner_(owner) {}
  void Show(std::string_view title, std::string_view text) override {
    boxes_.push_back({NameOf(owner_), std::string(title), std::string(text)});
  }

 private:
  std::vector<OwnedBox>& boxes_;
  QWidget* owner_;
};

}  // namespace

void WindowTest::Start(std::unique_ptr<device::SerialLine> serial) {
  if (window)
    window->close();
  window.reset();
  if (!serial)
    return;
  services.makeNotifier = [this](QWidget* owner) -> std::unique_ptr<Notifier> {
    return std::make_unique<OwnedRecorder>(boxes, owner);
  };
  services.makeFileChooser = [this](QWidget* owner) -> std::unique_ptr<FileChooser> {
    chooserOwners.push_back(NameOf(owner));
    return std::make_unique<FixedFileChooser>(chooserAnswer);
  };
  services.listPorts = [this] { return ports; };
  services.clock = &clock;
  line = dynamic_cast<FakeSerialLine*>(serial.get());
  window = std::make_unique<app::MainWindow>(services, std::move(serial));
  window->setObjectName(kMain);
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void WindowTest::TearDown() {
  if (window)
    ExpectNoJapaneseIn(*window);
  Start(nullptr);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(widget->isVisible()) << "left open: " << widget->objectName().toStdString() << " "
                                      << widget->windowTitle().toStdString();
  }
}

void WindowTest::SetLink(int connected, int sdState, int firmware, int timestampSupported) {
  std::tie(link().connected, link().sdState, link().firmwareVersion, link().timestampSupported) =
      std::tie(connected, sdState, firmware, timestampSupported);
  device::RefreshLinkStatus(link());
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

void WindowTest::Click(int id) {
  auto* button = qobject_cast<QAbstractButton*>(widget(id));
  ASSERT_NE(button, nullptr) << id;
  ASSERT_TRUE(button->isEnabled()) << id;
  QTest::mouseClick(button, Qt::LeftButton);
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
  return NameOf(QApplication::focusWidget());
}

bool Busy() {
  const QCursor* cursor = QApplication::overrideCursor();
  return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

void WhenModalShown(std::function<void(QWidget* modal)> action,
                    std::function<bool(QWidget* modal)> matches) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  auto attempts = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, matches, action, attempts] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool found = modal != nullptr && modal->isVisible() && (!matches || matches(modal));
    if (found || ++*attempts > 500) {
      timer->stop();
      timer->deleteLater();
      if (found)
        action(modal);
      else
        ADD_FAILURE() << "no modal dialog appeared";
    }
  });
  timer->start();
}

std::string ControlText(QWidget& window, int id) {
  QWidget* control = ChildControl(window, id);
  return control ? control->property("text").toString().toStdString() : std::string();
}

void ExpectNoJapaneseIn(QWidget& window) {
  if (CurrentLanguage() != Language::kEnglish)
    return;
  QStringList texts{window.windowTitle()};
  for (QObject* child : window.findChildren<QObject*>()) {
    if (qobject_cast<QLineEdit*>(child) != nullptr)
      continue;  // the user's values, not the program's texts
    texts << child->property("text").toString() << child->property("title").toString();
    if (auto* combo = qobject_cast<QComboBox*>(child)) {
      for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(child)) {
      for (QTreeWidgetItemIterator it(tree); *it; ++it)
        texts << (*it)->text(0);
    }
  }
  texts.removeDuplicates();
  texts.removeIf([](const QString& text) { return !HoldsJapanese(text.toStdString()); });
  EXPECT_TRUE(texts.isEmpty()) << window.objectName().toStdString() << " shows "
                               << texts.join(QStringLiteral(" | ")).toStdString();
}

void ClickControl(QWidget& window, int id) {
  QTest::mouseClick(ChildControl(window, id), Qt::LeftButton);
}

void TypeInto(QLineEdit* field, const std::string& text) {
  field->setFocus();
  field->clear();
  QTest::keyClicks(field, QString::fromStdString(text));
}

void ShowActive(QWidget& window) {
  window.show();
  QApplication::setActiveWindow(&window);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

}  // namespace km62rx::testing
