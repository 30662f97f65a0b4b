// The commands that talk to the logger run with the send, receive and clock
// buttons off, and give them back after; the clock-to-file dialog, which
// needs no logger, leaves them alone.
#include <QDialog>
#include <QTimer>

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
  }
  std::vector<bool> during;
};

TEST_F(DeviceButtonsTest, AreOffWhileACommandRuns) {
  const std::pair<int, bool> cases[] = {{415, true}, {420, true}, {421, true}, {422, false}};
  for (const auto& [button, off] : cases) {
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
    for (int id : kDeviceButtons)
      EXPECT_TRUE(controls().Enabled(id)) << id;
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace km62rx::testing
