#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "device/clock_commands.h"
#include "device/connection.h"
#include "device/link.h"
#include "device/qt/qt_serial_line.h"
#include "link_view_recorder.h"
#include "settings/clock.h"
#include "settings/notifier.h"
#include "support/sim_process.h"

namespace km62rx::device {
namespace {

using testing::SimProcess;
using Box = RecordingNotifier::Box;
using Lines = std::vector<std::string>;

// The real serial line against the simulator, connected the way the connect
// dialog does it.
class SimConnectTest : public ::testing::Test {
 protected:
  SimConnectTest() { link.view = &view; }
  ~SimConnectTest() override { DestroyDeviceLink(link); }

  int Connect(const std::string& path) {
    const auto start = std::chrono::steady_clock::now();
    int code = OpenDevicePort(link, path, LineSettings{});
    if (code != kLinkOk) {
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
  const char* firmware;
  const char* sd;
  int sdState;
  int timestampSupported;
  std::vector<Box> mainBoxes;
  const char* sdLine;
};

const Box kNoCardBox{"注意",
                     "SDカードが挿入されていません。\r\n時刻以外の本体設定を変更する際は、"
                     "SDカードを挿入してから再接続してください。"};
const Box kProtectedBox{"注意",
                        "SDカードが書込保護されています。\r\n時刻以外の本体設定を変更する際は、"
                        "SDカードの保護を解除してから再接続してください。"};
const Box kOldFirmwareBox{
    "情報",
    "KM-62RX本体ファームウェアバージョンが古いため「タイムスタンプ機能」は設定できません。"};

class SimCardTest : public SimConnectTest, public ::testing::WithParamInterface<CardCase> {};

TEST_P(SimCardTest, ConnectShowsFirmwareCardAndClock) {
  const CardCase& c = GetParam();
  SimProcess sim({"--answer-wake", "--firmware", c.firmware, "--sd", c.sd});
  ASSERT_EQ(Connect(sim.path()), kLinkOk);
  EXPECT_EQ(link.connected, 1);
  EXPECT_EQ(link.firmwareVersion, std::stoi(c.firmware));
  EXPECT_EQ(link.sdState, c.sdState);
  EXPECT_EQ(link.timestampSupported, c.timestampSupported);
  EXPECT_EQ(mainBoxes.boxes, c.mainBoxes);
  ASSERT_EQ(dialogBoxes.boxes.size(), 1u);
  EXPECT_EQ(dialogBoxes.boxes[0].title, "接続しました");
  EXPECT_EQ(dialogBoxes.boxes[0].text.rfind("本体時刻 : 20", 0), 0u) << dialogBoxes.boxes[0].text;
  EXPECT_EQ(sim.ReceivedLines(), (Lines{"", "DEA", "DEV", "DEC", "TMG"}));

  const LinkPanelTexts panel = view.texts.back();
  EXPECT_EQ(panel.statusLine,
            std::string("接続状態 : 接続中 (ファームウェア Ver1.0") + c.firmware[2] + ")");
  EXPECT_EQ(panel.sdLine, c.sdLine);
  EXPECT_TRUE(panel.disconnectEnabled);

  CloseDeviceLink(link);
  EXPECT_FALSE(line.IsOpen());
  EXPECT_EQ(view.texts.back(),
            (LinkPanelTexts{"接続状態 : 未接続", "SDカード : 未接続", "接続", false}));
}

INSTANTIATE_TEST_SUITE_P(
    FirmwareAndCard, SimCardTest,
    ::testing::Values(CardCase{"101", "usable", 1, 1, {}, "SDカード : 接続中"},
                      CardCase{"101", "absent", 0, 1, {kNoCardBox}, "SDカード : 未接続"},
                      CardCase{"101", "protected", 3, 1, {kProtectedBox}, "SDカード : 書込保護"},
                      CardCase{"100", "usable", 1, 0, {kOldFirmwareBox}, "SDカード : 接続中"},
                      CardCase{"100", "absent", 0, 1, {kNoCardBox}, "SDカード : 未接続"},
                      CardCase{"100", "protected", 3, 1, {kProtectedBox}, "SDカード : 書込保護"}));

TEST_F(SimConnectTest, OtherModelIsNotIdentified) {
  SimProcess sim({"--answer-wake", "--model", "KM-62RY"});
  EXPECT_EQ(Connect(sim.path()), kNotKm62rx);
  EXPECT_EQ(dialogBoxes.boxes, (std::vector<Box>{{"接続エラー", "有効なKM-62RXではありません。"}}));
  EXPECT_FALSE(line.IsOpen());
  EXPECT_EQ(link.connected, 0);
  EXPECT_EQ(sim.ReceivedLines(), (Lines{"", "DEA"}));
}

TEST_F(SimConnectTest, SilentLoggerFailsAfterAboutTwoSeconds) {
  SimProcess sim({"--silent"});
  EXPECT_EQ(Connect(sim.path()), kExchangeFailed);
  EXPECT_EQ(dialogBoxes.boxes, (std::vector<Box>{{"接続エラー", "送受信に失敗しました。"}}));
  EXPECT_FALSE(line.IsOpen());
  EXPECT_EQ(link.connected, 0);
  // One reply time-out for the wake-up CR, one for "DEA".
  EXPECT_GE(elapsedMs, 2000);
  EXPECT_LT(elapsedMs, 3500);
}

TEST_F(SimConnectTest, MissingPortIsCodeOne) {
  EXPECT_EQ(Connect("/dev/km62rx-no-such-port"), kPortNotOpened);
  EXPECT_EQ(dialogBoxes.boxes, (std::vector<Box>{{"接続エラー", "COMポートエラー。"}}));
}

TEST_F(SimConnectTest, ClockNeverSetStillConnects) {
  SimProcess sim({"--answer-wake", "--clock-unset"});
  ASSERT_EQ(Connect(sim.path()), kLinkOk);
  EXPECT_EQ(link.connected, 1);
  EXPECT_EQ(dialogBoxes.boxes, (std::vector<Box>{{"接続しました", "本体時刻 : 未設定"}}));
}

TEST_F(SimConnectTest, ReconnectWhileConnectedStartsAfresh) {
  SimProcess sim;
  ASSERT_EQ(Connect(sim.path()), kLinkOk);
  view.connectedFlags.clear();
  ASSERT_EQ(Connect(sim.path()), kLinkOk);
  EXPECT_EQ(link.connected, 1);
  EXPECT_EQ(view.connectedFlags.front(), 0);  // the old connection was closed first
  EXPECT_EQ(sim.ReceivedLines(),
            (Lines{"", "DEA", "DEV", "DEC", "TMG", "", "DEA", "DEV", "DEC", "TMG"}));
}

TEST_F(SimConnectTest, SplitAndDelayedRepliesAreJoined) {
  SimProcess sim({"--answer-wake", "--split", "2", "--delay", "30"});
  ASSERT_EQ(Connect(sim.path()), kLinkOk);
  EXPECT_EQ(link.sdState, 1);
  EXPECT_EQ(dialogBoxes.boxes.size(), 1u);
}

TEST_F(SimConnectTest, LoggerThatHangsUpFailsTheHandshakeAtOnce) {
  SimProcess sim({"--answer-wake", "--hangup-after", "3"});  // wake, DEA, DEV
  EXPECT_EQ(Connect(sim.path()), kLinkOk);
  EXPECT_EQ(link.connected, 0);
  EXPECT_EQ(mainBoxes.boxes, (std::vector<Box>{{"接続エラー", "送受信に失敗しました。"}}));
  EXPECT_FALSE(line.IsOpen());
  EXPECT_TRUE(dialogBoxes.boxes.empty());
}

TEST_F(SimConnectTest, DeviceNodeThatDisappearsFailsTheNextExchangeAtOnce) {
  const std::string node = "/tmp/km62rx-device-test-" + std::to_string(::getpid());
  SimProcess sim({"--answer-wake", "--link", node});
  ASSERT_EQ(Connect(node), kLinkOk);
  ASSERT_EQ(::unlink(node.c_str()), 0);  // the adapter was pulled
  Reply reply;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ExchangeCommand(link, "TMG\r", reply), kExchangeFailed);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
}

TEST_F(SimConnectTest, ClockFromPcSendsThePinnedTime) {
  SimProcess sim;
  ASSERT_EQ(Connect(sim.path()), kLinkOk);
  RecordingNotifier owner;
  EXPECT_EQ(SetLoggerClockFromPc(link, FixedClock(2026, 3, 5, 7, 8, 9), owner), 1);
  EXPECT_EQ(sim.ReceivedLines().back(), "TMS260305070809");
  ASSERT_EQ(owner.boxes.size(), 1u);
  EXPECT_EQ(owner.boxes[0].title, "本体時刻設定");
  EXPECT_EQ(owner.boxes[0].text.rfind("2026/03/05 07:08:", 0), 0u) << owner.boxes[0].text;
  EXPECT_NE(owner.boxes[0].text.find(" に設定しました。"), std::string::npos);
}

TEST_F(SimConnectTest, TypedTimeTheLoggerRefusesShowsTheMismatchBox) {
  SimProcess sim;
  ASSERT_EQ(Connect(sim.path()), kLinkOk);
  RecordingNotifier owner;
  EXPECT_EQ(SetLoggerClockFromTime(link, {2026, 13, 1, 0, 0, 0}, owner), 0);
  EXPECT_EQ(sim.ReceivedLines().back(), "TMS261301000000");
  EXPECT_EQ(owner.boxes, (std::vector<Box>{{"応答エラー", "コマンドのパラメータが不一致です。"}}));
  EXPECT_EQ(link.connected, 1);
}

}  // namespace
}  // namespace km62rx::device
