#include "dialog_harness.h"

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QTimer>
#include <ostream>

#include "settings/file_chooser.h"

namespace km62rx::testing {

namespace {

class OwnedRecorder : public Notifier {
 public:
  OwnedRecorder(BoxLog& log, QWidget* owner) : log_(log), owner_(owner) {}
  void Show(std::string_view title, std::string_view text) override {
    log_.boxes.push_back({owner_ ? owner_->objectName().toStdString() : std::string("(none)"),
                          std::string(title), std::string(text)});
  }

 private:
  BoxLog& log_;
  QWidget* owner_;
};

}  // namespace

void PrintTo(const OwnedBox& box, std::ostream* os) {
  *os << "{" << box.owner << ": " << box.title << " / " << box.text << "}";
}

std::unique_ptr<Notifier> BoxLog::NotifierFor(QWidget* owner) {
  return std::make_unique<OwnedRecorder>(*this, owner);
}

DialogHarness::DialogHarness(std::optional<std::vector<std::string>> simOptions) {
  mainWindow.setObjectName(kMainWindow);
  mainNotifier = log.NotifierFor(&mainWindow);
  if (simOptions) {
    sim = std::make_unique<SimProcess>(*simOptions);
    ports = {sim->path()};
  }
  services.makeNotifier = [this](QWidget* owner) { return log.NotifierFor(owner); };
  services.makeFileChooser = [this](QWidget* owner) -> std::unique_ptr<FileChooser> {
    chooserOwners.push_back(owner ? owner->objectName().toStdString() : std::string("(none)"));
    return std::make_unique<FixedFileChooser>(chooserAnswer);
  };
  services.listPorts = [this] { return ports; };
  services.clock = &clock;
  ctx.mainWindow = &mainWindow;
  ctx.link = &link;
  ctx.pages = &pages;
  ctx.mainNotifier = mainNotifier.get();
  ctx.services = &services;
  ctx.updateControlAvailability = [](int, int) {};
}

std::vector<std::string> DialogHarness::SimLines() const {
  return sim ? sim->ReceivedLines() : std::vector<std::string>{};
}

void DialogTest::TearDown() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(widget->isVisible()) << "left open: " << widget->objectName().toStdString() << " "
                                      << widget->windowTitle().toStdString();
  }
}

void WhenModalShown(std::function<void(QWidget* modal)> action) {
  WhenModalShown([](QWidget*) { return true; }, std::move(action));
}

void WhenModalShown(std::function<bool(QWidget* modal)> matches,
                    std::function<void(QWidget* modal)> action) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  auto attempts = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, matches, action, attempts] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible() && matches(modal)) {
      timer->stop();
      timer->deleteLater();
      action(modal);
    } else if (++*attempts > 500) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "no modal dialog appeared";
    }
  });
  timer->start();
}

std::string ControlText(QWidget& window, int id) {
  QWidget* control = ChildControl(window, id);
  return control ? control->property("text").toString().toStdString() : std::string();
}

void ShowActive(QWidget& window) {
  window.show();
  QApplication::setActiveWindow(&window);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

void ClickControl(QWidget& window, int id) {
  QTest::mouseClick(ChildControl(window, id), Qt::LeftButton);
}

bool Busy() {
  const QCursor* cursor = QApplication::overrideCursor();
  return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos)
    text.replace(at, from.size(), to);
  return text;
}

}  // namespace km62rx::testing
