#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "device/connection.h"
#include "device/device_time.h"
#include "device/link_status.h"
#include "device/exchange.h"
#include "device/link_errors.h"
#include "device/open_port.h"
#include "device/qt/qt_serial_line.h"
#include "link_view_recorder.h"
#include "settings/notifier.h"
#include "support/sim_process.h"
#include "support/temp_folder.h"

namespace km62rx::device {
namespace {

using testing::SimProcess;
using Box = RecordingNotifier::Box;
using Boxes = std::vector<Box>;
using Lines = std::vector<std::string>;

// The real serial line against the simulator, connected the way the connect
// dialog does it.
class SimConnectTest : public ::testing::Test {
 protected:
  SimConnectTest() { link.view = &view; }
  ~SimConnectTest() override { DestroyDeviceLink(link); }

  LinkResult Connect(const std::string& path, const LineSettings& settings = {}) {
    const auto start = std::chrono::steady_clock::now();
    const LinkResult code = OpenDevicePort(link, path, settings);
    if (code != LinkResult::kOk) {
      ReportLinkError(code, dialogBoxes);
      CloseDeviceLink(link);
    } else {
      QueryDeviceStatus(link, mainBoxes);
      RefreshLinkStatus(link);
      if (link.connected == 1)
        ShowDeviceClock(link, dialogBoxes);
    }
    elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - start)
                    .count();
    return code;
  }

  QtSerialLine line;
  DeviceLink link{line};
  RecordingLinkView view;
  RecordingNotifier mainBoxes;
  RecordingNotifier dialogBoxes;
  long long elapsedMs = 0;
};

struct CardCase {
  std::vector<std::string> options;
  int firmware, sdState, timestampSupported;
  std::vector<std::string> mainTitles;
  std::string sdLine;
  std::string clockText;  // start of the dialog's closing box
};

CardCase Card(std::vector<std::string> options, int firmware, int sdState, int timestampSupported,
              std::vector<std::string> mainTitles, std::string sdLine,
              std::string clockText = "本体時刻 : 20") {
  options.insert(options.begin(), "--answer-wake");
  return {options, firmware, sdState, timestampSupported, mainTitles, sdLine, clockText};
}

class SimCardTest : public SimConnectTest, public ::testing::WithParamInterface<CardCase> {};

TEST_P(SimCardTest, ConnectShowsFirmwareCardAndClock) {
  const CardCase& c = GetParam();
  SimProcess sim(c.options);
  ASSERT_EQ(Connect(sim.path()), LinkResult::kOk);
  EXPECT_EQ(link.connected, 1);
  EXPECT_EQ(link.firmwareVersion, c.firmware);
  EXPECT_EQ(link.sdState, c.sdState);
  EXPECT_EQ(link.timestampSupported, c.timestampSupported);
  std::vector<std::string> titles;
  for (const Box& box : mainBoxes.boxes)
    titles.push_back(box.title);
  EXPECT_EQ(titles, c.mainTitles);
  ASSERT_EQ(dialogBoxes.boxes.size(), 1u);
  EXPECT_EQ(dialogBoxes.boxes[0].title, "接続しました");
  EXPECT_EQ(dialogBoxes.boxes[0].text.rfind(c.clockText, 0), 0u) << dialogBoxes.boxes[0].text;
  EXPECT_EQ(sim.ReceivedLines(), (Lines{"", "DEA", "DEV", "DEC", "TMG"}));
  const std::string status =
      "接続状態 : 接続中 (ファームウェア Ver1.0" + std::to_string(c.firmware % 100) + ")";
  EXPECT_EQ(view.texts.back(), (LinkPanelTexts{status, c.sdLine, "再接続", true}));

  CloseDeviceLink(link);
  EXPECT_FALSE(line.IsOpen());
  EXPECT_EQ(view.texts.back(),
            (LinkPanelTexts{"接続状態 : 未接続", "SDカード : 未接続", "接続", false}));
}

INSTANTIATE_TEST_SUITE_P(
    FirmwareAndCard, SimCardTest,
    ::testing::Values(Card({}, 101, 1, 1, {}, "SDカード : 接続中"),
                      Card({"--sd", "absent"}, 101, 0, 1, {"注意"}, "SDカード : 未接続"),
                      Card({"--sd", "protected"}, 101, 3, 1, {"注意"}, "SDカード : 書込保護"),
                      Card({"--firmware", "100"}, 100, 1, 0, {"情報"}, "SDカード : 接続中"),
                      Card({"--clock-unset"}, 101, 1, 1, {}, "SDカード : 接続中",
                           "本体時刻 : 未設定"),
                      // Replies split into pieces and delayed are joined.
                      Card({"--split", "2", "--delay", "30"}, 101, 1, 1, {}, "SDカード : 接続中")));

TEST_F(SimConnectTest, SoftwareFlowControlOnALineWithoutRtsConnects) {
  SimProcess sim;
  LineSettings xonXoff;
  xonXoff.xonXoff = 1;
  ASSERT_EQ(Connect(sim.path(), xonXoff), LinkResult::kOk);  // holding RTS low fails on a pseudo-terminal
  EXPECT_EQ(link.connected, 1);
  EXPECT_EQ(sim.ReceivedLines(), (Lines{"", "DEA", "DEV", "DEC", "TMG"}));
}

TEST_F(SimConnectTest, SilentLoggerFailsAfterAboutTwoSeconds) {
  SimProcess sim({"--silent"});
  EXPECT_EQ(Connect(sim.path()), LinkResult::kExchangeFailed);
  EXPECT_EQ(dialogBoxes.boxes, (Boxes{{"接続エラー", "送受信に失敗しました。"}}));
  EXPECT_FALSE(line.IsOpen());
  // One reply time-out for the wake-up CR, one for "DEA".
  EXPECT_GE(elapsedMs, 2000);
  EXPECT_LT(elapsedMs, 3500);
}

TEST_F(SimConnectTest, LoggerThatHangsUpFailsTheHandshakeAtOnce) {
  SimProcess sim({"--answer-wake", "--hangup-after", "3"});  // wake, DEA, DEV
  EXPECT_EQ(Connect(sim.path()), LinkResult::kOk);
  EXPECT_EQ(link.connected, 0);
  EXPECT_EQ(mainBoxes.boxes, (Boxes{{"接続エラー", "送受信に失敗しました。"}}));
  EXPECT_FALSE(line.IsOpen());
  EXPECT_TRUE(dialogBoxes.boxes.empty());
  EXPECT_LT(elapsedMs, 1000);
}

TEST_F(SimConnectTest, DeviceNodeThatDisappearsFailsTheNextExchangeAtOnce) {
  const testing::TempFolder folder;
  const std::string node = folder.File("adapter");
  SimProcess sim({"--answer-wake", "--link", node});
  ASSERT_EQ(Connect(node), LinkResult::kOk);
  ASSERT_EQ(::unlink(node.c_str()), 0);  // the adapter was pulled
  Reply reply;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ExchangeCommand(link, "TMG\r", reply), LinkResult::kExchangeFailed);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
}

}  // namespace
}  // namespace km62rx::device
