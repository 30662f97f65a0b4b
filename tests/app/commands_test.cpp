// The commands that talk to the logger run with the send, receive and clock
// buttons off and the busy cursor up, and give them back after; the
// clock-to-file dialog, which needs no logger, leaves them alone, and no
// dialog waits for the user under the busy cursor.
#include <QCursor>
#include <QDialog>
#include <QTimer>

#include "device/control_ids.h"
#include "window_fixture.h"

namespace km62rx::testing {
namespace {

constexpr int kDeviceButtons[] = {415, 416, 420, 421};

class DeviceButtonsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(line->Open("ttyFAKE", {}));
    SetLink(1, 1, 101, 1);
    // Every request is answered OK with its own parameters.
    line->responder = [this](std::string_view sent) -> FakeSerialLine::Answer {
      Probe();
      const std::string echoed =
          sent.size() > 3 ? std::string(sent.substr(3, sent.size() - 4)) : "";
      return {{0, "OK" + echoed + "\r"}};
    };
  }
  // Records the buttons' state the first time the command is seen running.
  void Probe() {
    if (!during.empty())
      return;
    for (int id : kDeviceButtons)
      during.push_back(controls().Enabled(id));
    const QCursor* cursor = QApplication::overrideCursor();
    busy = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
  }
  std::vector<bool> during;
  bool busy = false;
};

TEST_F(DeviceButtonsTest, AreOffWhileACommandRuns) {
  struct Case {
    int button;
    bool off, busy;
  };
  const Case cases[] = {
      {415, true, true}, {420, true, true}, {421, true, false}, {422, false, false}};
  for (const auto& [button, off, busyWhileRunning] : cases) {
    SCOPED_TRACE(button);
    during.clear();
    // A dialog the button opens is looked at, then cancelled.
    QTimer::singleShot(0, [this] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        Probe();
        dialog->reject();
      }
    });
    QTest::mouseClick(widget(button), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(during, std::vector<bool>(4, !off));
    EXPECT_EQ(busy, busyWhileRunning);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    for (int id : kDeviceButtons)
      EXPECT_TRUE(controls().Enabled(id)) << id;
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace km62rx::testing
