#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

#include "device/clock_commands.h"
#include "device/connection.h"
#include "device/link_status.h"
#include "device/open_port.h"
#include "settings/clock.h"
#include "support/fake_serial_line.h"

namespace km62rx::device {
namespace {

using testing::FakeSerialLine;
using Box = RecordingNotifier::Box;
using Boxes = std::vector<Box>;

const Box kLinkFailed{"接続エラー", "送受信に失敗しました。"};
const Box kInvalid{"応答エラー", "KM-62RXからの応答が不正な値です。"};

// A connection panel that remembers what it was told to show.
struct RecordingLinkView : LinkStatusView {
  void LinkStatusChanged(const DeviceLink& link) override {
    texts.push_back(MakeLinkPanelTexts(link));
    connectedFlags.push_back(link.connected);
  }
  std::vector<LinkPanelTexts> texts;
  std::vector<int> connectedFlags;
};

// A logger on the fake line: a fixed reply per command line.
class ConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    link.view = &view;
    line.responder = [this](std::string_view command) -> FakeSerialLine::Answer {
      const auto it = replies.find(std::string(command));
      if (it == replies.end())
        return {};
      return {{0, it->second}};
    };
  }
  LinkResult Open(const std::string& port = "ttyUSB0") {
    return OpenDevicePort(link, port, LineSettings{});
  }

  FakeSerialLine line;
  DeviceLink link{line};
  RecordingLinkView view;
  RecordingNotifier boxes;
  std::map<std::string, std::string> replies = {
      {"\r", "99\r"},      {"DEA\r", "OKKM-62RX\r"},      {"DEV\r", "OK101\r"},
      {"DEC\r", "OK10\r"}, {"TMG\r", "OK260315142530\r"},
  };
};

TEST_F(ConnectionTest, OpenWakesAndIdentifiesUnlessThePortFails) {
  LineSettings settings;
  settings.baudRate = 9600;
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB0", settings), LinkResult::kOk);
  EXPECT_EQ(link.connected, 1);
  EXPECT_EQ(line.openedNames, std::vector<std::string>{"ttyUSB0"});
  EXPECT_EQ(line.openedSettings[0], settings);
  EXPECT_EQ(line.written, (std::vector<std::string>{"\r", "DEA\r"}));
  EXPECT_EQ(view.texts.back().connectButton, "再接続");
  CloseDeviceLink(link);
  line.written.clear();
  line.openSucceeds = false;
  EXPECT_EQ(Open(), LinkResult::kPortNotOpened);
  EXPECT_EQ(link.connected, 0);
  EXPECT_TRUE(line.written.empty());
}

TEST_F(ConnectionTest, IdentifyComparesTheFirstTenBytesExactly) {
  for (const std::string wrong : {"OKKM-62RY\r", "okkm-62rx\r", "OKKM-62R\r"}) {
    replies["DEA\r"] = wrong;
    EXPECT_EQ(Open(), LinkResult::kNotKm62rx) << wrong;
    EXPECT_EQ(link.connected, 0);
    EXPECT_TRUE(line.IsOpen());
  }
  replies["DEA\r"] = "OKKM-62RX\rV2\r";
  EXPECT_EQ(Open(), LinkResult::kOk);
  EXPECT_EQ(line.closeCount, 3);  // a port left open is closed before it opens again
}

TEST_F(ConnectionTest, ReconnectClosesFirstAndWaits) {
  ASSERT_EQ(Open(), LinkResult::kOk);
  link.timestampSupported = 0;
  view.connectedFlags.clear();
  ASSERT_EQ(Open("ttyUSB1"), LinkResult::kOk);
  ASSERT_EQ(line.closeTimes.size(), 1u);
  ASSERT_EQ(line.openTimes.size(), 2u);
  EXPECT_GE(line.openTimes[1] - line.closeTimes[0], std::chrono::milliseconds(10));
  EXPECT_EQ(view.connectedFlags, (std::vector<int>{0, 1}));  // disconnect shown first
  EXPECT_EQ(link.timestampSupported, 1);
}

TEST_F(ConnectionTest, CloseResetsTheFlagsButKeepsTheFirmwareAndDestroyLeavesThePanel) {
  replies["DEV\r"] = "OK100\r";
  ASSERT_EQ(Open(), LinkResult::kOk);
  ASSERT_EQ(QueryDeviceStatus(link, boxes), HandshakeResult::kConnected);
  EXPECT_EQ(link.timestampSupported, 0);
  CloseDeviceLink(link);
  EXPECT_EQ(link.connected, 0);
  EXPECT_EQ(link.sdState, 0);
  EXPECT_EQ(link.timestampSupported, 1);
  EXPECT_EQ(link.firmwareVersion, 100);
  EXPECT_FALSE(line.IsOpen());
  EXPECT_EQ(view.texts.back(), MakeLinkPanelTexts(DeviceLink{line}));
  ASSERT_EQ(Open(), LinkResult::kOk);
  const std::size_t refreshes = view.texts.size();
  DestroyDeviceLink(link);
  EXPECT_FALSE(line.IsOpen());
  EXPECT_EQ(view.texts.size(), refreshes);
}

// The handshake for each firmware and card reply; without a version reply
// (nullptr) the adapter is pulled before the handshake.
struct HandshakeCase {
  const char* dev;
  const char* dec;
  int result;
  int firmware, sdState, timestampSupported;
  std::vector<std::string> titles;
};

class HandshakeTest : public ConnectionTest, public ::testing::WithParamInterface<HandshakeCase> {};

TEST_P(HandshakeTest, SetsStateAndShowsTheFindings) {
  const HandshakeCase& c = GetParam();
  replies["DEC\r"] = c.dec;
  if (c.dev != nullptr)
    replies["DEV\r"] = c.dev;
  ASSERT_EQ(Open(), LinkResult::kOk);
  line.vanished = c.dev == nullptr;
  EXPECT_EQ(QueryDeviceStatus(link, boxes) == HandshakeResult::kConnected, c.result == 1);
  EXPECT_EQ(link.connected, c.result);
  EXPECT_EQ(line.IsOpen(), c.result == 1);
  EXPECT_EQ(link.firmwareVersion, c.firmware);
  EXPECT_EQ(link.sdState, c.sdState);
  EXPECT_EQ(link.timestampSupported, c.timestampSupported);
  std::vector<std::string> titles;
  for (const Box& box : boxes.boxes)
    titles.push_back(box.title);
  EXPECT_EQ(titles, c.titles);
  if (c.result == 0) {
    EXPECT_EQ(view.texts.back().statusLine, "接続状態 : 未接続");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, HandshakeTest,
    ::testing::Values(HandshakeCase{"OK101\r", "OK10\r", 1, 101, 1, 1, {}},
                      HandshakeCase{"OK101\r", "OK11\r", 1, 101, 3, 1, {"注意"}},
                      HandshakeCase{"OK101\r", "OK00\r", 1, 101, 0, 1, {"注意"}},
                      HandshakeCase{"OK100\r", "OK10\r", 1, 100, 1, 0, {"情報"}},
                      HandshakeCase{"OK100\r", "OK11\r", 1, 100, 3, 1, {"注意"}},
                      HandshakeCase{"OK123\r", "OK1\r", 1, 123, 1, 1, {}},
                      HandshakeCase{"OKv2\r", "OK\r", 1, 0, 0, 1, {"注意"}},
                      // Without "OK" the link is closed with the matching box.
                      HandshakeCase{"01\r", "OK10\r", 0, 0, 0, 1, {"エラー"}},
                      HandshakeCase{"OK101\r", "99\r", 0, 101, 0, 1, {"応答エラー"}},
                      HandshakeCase{nullptr, "OK10\r", 0, 0, 0, 1, {"接続エラー"}}));

// Reading the clock at connect time, and setting it from the PC's time
// (without a reply the adapter is pulled after the write).
struct ClockCase {
  bool set;
  const char* reply;
  int result;
  Box box;
};

class ClockTest : public ConnectionTest, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(ClockTest, ShowsTheClockOrWhyNot) {
  const ClockCase& c = GetParam();
  ASSERT_EQ(Open(), LinkResult::kOk);
  const std::string command = c.set ? "TMS260305070809\r" : "TMG\r";
  if (c.reply != nullptr)
    replies[command] = c.reply;
  else
    line.vanishAfterWrites = static_cast<int>(line.written.size()) + 1;
  EXPECT_EQ((c.set ? SetLoggerClockFromPc(link, FixedClock(2026, 3, 5, 7, 8, 9), boxes)
                   : ShowDeviceClock(link, boxes)) == StepResult::kDone,
            c.result == 1);
  EXPECT_EQ(line.written.back(), command);
  EXPECT_EQ(boxes.boxes, Boxes{c.box});
  EXPECT_EQ(link.connected, 1);  // a clock failure never disconnects
}

const Box kShown{"接続しました", "本体時刻 : 2026/03/15 14:25:30"};
const Box kSet{"本体時刻設定", "2026/03/05 07:08:09 に設定しました。"};

INSTANTIATE_TEST_SUITE_P(
    Replies, ClockTest,
    ::testing::Values(
        ClockCase{false, "OK260315142530\r", 1, kShown},
        ClockCase{false, "01\r", 1, {"接続しました", "本体時刻 : 未設定"}},
        ClockCase{false, "99\r", 0, kInvalid},
        // Anything but twelve digits of a real date and time is no valid clock.
        ClockCase{false, "OK\r", 0, kInvalid}, ClockCase{false, "OK260231000000\r", 0, kInvalid},
        ClockCase{true, "OK260305240809\r", 0, kInvalid},
        ClockCase{false, "OK240229235959\r", 1, {"接続しました", "本体時刻 : 2024/02/29 23:59:59"}},
        ClockCase{false, nullptr, 0, kLinkFailed}, ClockCase{true, "OK260305070809\r", 1, kSet},
        ClockCase{true, "01\r", 0, {"応答エラー", "ハードウェア設定が不正です。"}},
        ClockCase{true, "99\r", 0, {"応答エラー", "コマンドのパラメータが不一致です。"}},
        ClockCase{true, "51\r", 0, kInvalid}, ClockCase{true, nullptr, 0, kLinkFailed}));

}  // namespace
}  // namespace km62rx::device
