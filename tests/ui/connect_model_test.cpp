#include "ui/connect_model.h"

#include <gtest/gtest.h>

#include "device/control_ids.h"
#include "support/fake_serial_line.h"

namespace km62rx::ui {
namespace {

using testing::FakeSerialLine;

// The port list, the box when there is none, and a network port keeping
// the server's line settings.
TEST(ConnectModel, PortsPlaceholderAndNetworkPorts) {
  const ConnectModel none({});
  RecordingNotifier owner;
  EXPECT_EQ(none.PortItems(), std::vector<std::string>{"なし"});
  EXPECT_FALSE(none.ReadyToShow(owner));
  ASSERT_EQ(owner.boxes.size(), 1u);
  EXPECT_EQ(owner.boxes[0].title, "エラー");
  EXPECT_EQ(owner.boxes[0].text, "COMポートが見つかりません。");

  const ConnectModel some({"ttyS7", "socket://lab:4001", "COM3"});
  EXPECT_TRUE(some.ReadyToShow(owner));
  EXPECT_EQ(some.PortItems(), (std::vector<std::string>{"ttyS7", "socket://lab:4001", "COM3"}));
  EXPECT_EQ(owner.boxes.size(), 1u);
  for (const auto& [index, enabled] : {std::pair{0, true}, {1, false}, {2, true}, {-1, true}})
    EXPECT_EQ(some.LineCombosEnabled(index), enabled) << index;
  EXPECT_EQ(ConnectModel::LineItems(ids::kBaudCombo).size(), 8u);
  EXPECT_EQ(ConnectModel::LineItems(ids::kFlowCombo).front(), "CTS/RTS");
}

// "接続" opens the chosen port with the chosen line settings, the buttons
// off meanwhile; the placeholder opens nothing; a failed open is told to
// the dialog and closes the port.
TEST(ConnectModel, ConnectOpensTheChosenPortOnlyWhenThereIsOne) {
  FakeSerialLine line;
  device::DeviceLink link(line);
  RecordingNotifier owner, main;
  std::vector<bool> opening;
  const auto track = [&](bool on) { opening.push_back(on); };

  EXPECT_FALSE(ConnectModel({}).Connect({}, link, owner, main, track));
  EXPECT_TRUE(line.openedNames.empty());
  EXPECT_TRUE(opening.empty());

  line.openSucceeds = false;
  const ConnectModel model({"ttyA", "ttyB"});
  EXPECT_FALSE(model.Connect({1, 1, 2, 3, 1}, link, owner, main, track));
  ASSERT_EQ(line.openedNames, std::vector<std::string>{"ttyB"});
  const device::LineSettings& settings = line.openedSettings.at(0);
  EXPECT_EQ(settings.dataBits, 7);
  EXPECT_EQ(settings.baudRate, 9600);
  EXPECT_EQ(opening, (std::vector<bool>{true, false}));
  ASSERT_EQ(owner.boxes.size(), 1u);
  EXPECT_EQ(owner.boxes[0].title, "接続エラー");
  EXPECT_TRUE(main.boxes.empty());
  EXPECT_FALSE(line.IsOpen());
}

}  // namespace
}  // namespace km62rx::ui
