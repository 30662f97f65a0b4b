#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>

#include "device/connection.h"
#include "device/link.h"
#include "link_view_recorder.h"
#include "settings/notifier.h"
#include "support/fake_serial_line.h"

namespace km62rx::device {
namespace {

using testing::FakeSerialLine;
using Box = RecordingNotifier::Box;

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

  FakeSerialLine line;
  DeviceLink link{line};
  RecordingLinkView view;
  RecordingNotifier boxes;
  std::map<std::string, std::string> replies = {
      {"\r", "99\r"},      {"DEA\r", "OKKM-62RX\r"},      {"DEV\r", "OK101\r"},
      {"DEC\r", "OK10\r"}, {"TMG\r", "OK260315142530\r"},
  };
};

TEST_F(ConnectionTest, OpenWakesAndIdentifies) {
  LineSettings settings;
  settings.baudRate = 9600;
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB0", settings), kLinkOk);
  EXPECT_EQ(link.connected, 1);
  EXPECT_EQ(link.sdState, 0);
  EXPECT_EQ(link.pollIntervalMs, 10);
  ASSERT_EQ(line.openedNames.size(), 1u);
  EXPECT_EQ(line.openedNames[0], "ttyUSB0");
  EXPECT_EQ(line.openedSettings[0], settings);
  EXPECT_EQ(line.written, (std::vector<std::string>{"\r", "DEA\r"}));
  ASSERT_FALSE(view.texts.empty());
  EXPECT_EQ(view.texts.back().connectButton, "再接続");
}

TEST_F(ConnectionTest, PortThatCannotBeOpenedIsCodeOne) {
  line.openSucceeds = false;
  EXPECT_EQ(OpenDevicePort(link, "ttyUSB9", LineSettings{}), kPortNotOpened);
  EXPECT_EQ(link.connected, 0);
  EXPECT_TRUE(line.written.empty());
}

TEST_F(ConnectionTest, IdentifyReplyMustBeExactlyTheModel) {
  for (const std::string wrong :
       {"OKKM-62RY\r", "okkm-62rx\r", "OK KM-62RX\r", "OKKM-62\r", "01\r", "OKKM-62R\r"}) {
    SCOPED_TRACE(wrong);
    replies["DEA\r"] = wrong;
    EXPECT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kNotKm62rx);
    EXPECT_EQ(link.connected, 0);
    EXPECT_TRUE(line.IsOpen());  // the caller reports and closes
    CloseDeviceLink(link);
    EXPECT_FALSE(line.IsOpen());
  }
}

TEST_F(ConnectionTest, IdentifyComparesTheFirstTenBytes) {
  replies["DEA\r"] = "OKKM-62RX\rV2\r";
  EXPECT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kLinkOk);
}

TEST_F(ConnectionTest, ReconnectClosesFirstAndWaits) {
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kLinkOk);
  link.sdState = 1;
  link.timestampSupported = 0;
  view.connectedFlags.clear();
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB1", LineSettings{}), kLinkOk);
  ASSERT_EQ(line.closeTimes.size(), 1u);
  ASSERT_EQ(line.openTimes.size(), 2u);
  EXPECT_GE(line.openTimes[1] - line.closeTimes[0], std::chrono::milliseconds(10));
  // The panel saw the disconnect before the new connection.
  EXPECT_EQ(view.connectedFlags, (std::vector<int>{0, 1}));
  EXPECT_EQ(link.timestampSupported, 1);
}

TEST_F(ConnectionTest, PortLeftOpenByAFailedAttemptIsClosedBeforeOpeningAgain) {
  replies["DEA\r"] = "OKXX\r";
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kNotKm62rx);
  replies["DEA\r"] = "OKKM-62RX\r";
  EXPECT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kLinkOk);
  EXPECT_EQ(line.closeCount, 1);
}

TEST_F(ConnectionTest, CloseResetsTheFlagsButKeepsTheFirmware) {
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kLinkOk);
  replies["DEV\r"] = "OK100\r";
  ASSERT_EQ(QueryDeviceStatus(link, boxes), 1);
  EXPECT_EQ(link.timestampSupported, 0);
  CloseDeviceLink(link);
  EXPECT_EQ(link.connected, 0);
  EXPECT_EQ(link.sdState, 0);
  EXPECT_EQ(link.timestampSupported, 1);
  EXPECT_EQ(link.firmwareVersion, 100);
  EXPECT_FALSE(line.IsOpen());
  EXPECT_EQ(view.texts.back(), MakeLinkPanelTexts(DeviceLink{line}));
}

TEST_F(ConnectionTest, DestroyClosesAnOpenLinkWithoutTouchingThePanel) {
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kLinkOk);
  const std::size_t refreshes = view.texts.size();
  DestroyDeviceLink(link);
  EXPECT_FALSE(line.IsOpen());
  EXPECT_EQ(link.connected, 0);
  EXPECT_EQ(view.texts.size(), refreshes);
}

// The handshake for each combination of firmware and card state.
struct HandshakeCase {
  const char* dev;
  const char* dec;
  int firmware;
  int sdState;
  int timestampSupported;
  std::vector<std::string> boxTitles;
};

class HandshakeTest : public ConnectionTest, public ::testing::WithParamInterface<HandshakeCase> {};

TEST_P(HandshakeTest, SetsStateAndShowsTheFindings) {
  const HandshakeCase& c = GetParam();
  replies["DEV\r"] = c.dev;
  replies["DEC\r"] = c.dec;
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kLinkOk);
  EXPECT_EQ(QueryDeviceStatus(link, boxes), 1);
  EXPECT_EQ(link.connected, 1);
  EXPECT_EQ(link.firmwareVersion, c.firmware);
  EXPECT_EQ(link.sdState, c.sdState);
  EXPECT_EQ(link.timestampSupported, c.timestampSupported);
  std::vector<std::string> titles;
  for (const Box& box : boxes.boxes)
    titles.push_back(box.title);
  EXPECT_EQ(titles, c.boxTitles);
}

INSTANTIATE_TEST_SUITE_P(Cards, HandshakeTest,
                         ::testing::Values(HandshakeCase{"OK101\r", "OK10\r", 101, 1, 1, {}},
                                           HandshakeCase{"OK101\r", "OK11\r", 101, 3, 1, {"注意"}},
                                           HandshakeCase{"OK101\r", "OK00\r", 101, 0, 1, {"注意"}},
                                           HandshakeCase{"OK101\r", "OK01\r", 101, 0, 1, {"注意"}},
                                           HandshakeCase{"OK100\r", "OK10\r", 100, 1, 0, {"情報"}},
                                           HandshakeCase{"OK100\r", "OK11\r", 100, 3, 1, {"注意"}},
                                           HandshakeCase{"OK100\r", "OK00\r", 100, 0, 1, {"注意"}},
                                           HandshakeCase{"OK123\r", "OK1\r", 123, 1, 1, {}},
                                           HandshakeCase{"OK\r", "OK10\r", 0, 1, 0, {"情報"}},
                                           HandshakeCase{"OKv2\r", "OK\r", 0, 0, 1, {"注意"}}));

TEST_F(ConnectionTest, HandshakeBoxTextsAreTheLinkTable) {
  replies["DEC\r"] = "OK00\r";
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kLinkOk);
  ASSERT_EQ(QueryDeviceStatus(link, boxes), 1);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text,
            "SDカードが挿入されていません。\r\n時刻以外の本体設定を変更する際は、"
            "SDカードを挿入してから再接続してください。");
}

TEST_F(ConnectionTest, VersionReplyWithoutOkDisconnectsWithTheUnknownErrorBox) {
  replies["DEV\r"] = "01\r";
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kLinkOk);
  EXPECT_EQ(QueryDeviceStatus(link, boxes), 0);
  EXPECT_EQ(link.connected, 0);
  EXPECT_FALSE(line.IsOpen());
  EXPECT_EQ(boxes.boxes, (std::vector<Box>{{"エラー", "不明なエラーが発生しました。"}}));
  EXPECT_EQ(view.texts.back().statusLine, "接続状態 : 未接続");
}

TEST_F(ConnectionTest, CardReplyWithoutOkDisconnectsWithTheInvalidReplyBox) {
  replies["DEC\r"] = "99\r";
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kLinkOk);
  EXPECT_EQ(QueryDeviceStatus(link, boxes), 0);
  EXPECT_EQ(link.connected, 0);
  EXPECT_EQ(boxes.boxes, (std::vector<Box>{{"応答エラー", "KM-62RXからの応答が不正な値です。"}}));
}

TEST_F(ConnectionTest, HandshakeExchangeFailureDisconnects) {
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kLinkOk);
  line.vanished = true;  // the adapter was pulled
  EXPECT_EQ(QueryDeviceStatus(link, boxes), 0);
  EXPECT_EQ(link.connected, 0);
  EXPECT_EQ(boxes.boxes, (std::vector<Box>{{"接続エラー", "送受信に失敗しました。"}}));
}

struct ClockCase {
  const char* tmg;
  int result;
  Box box;
};

class DeviceClockTest : public ConnectionTest, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(DeviceClockTest, ShowsTheClockOrWhyNot) {
  replies["TMG\r"] = GetParam().tmg;
  ASSERT_EQ(OpenDevicePort(link, "ttyUSB0", LineSettings{}), kLinkOk);
  EXPECT_EQ(ShowDeviceClock(link, boxes), GetParam().result);
  EXPECT_EQ(boxes.boxes, std::vector<Box>{GetParam().box});
  EXPECT_EQ(link.connected, 1);  // a clock failure never disconnects
}

INSTANTIATE_TEST_SUITE_P(
    Replies, DeviceClockTest,
    ::testing::Values(
        ClockCase{"OK260315142530\r", 1, {"接続しました", "本体時刻 : 2026/03/15 14:25:30"}},
        ClockCase{"01\r", 1, {"接続しました", "本体時刻 : 未設定"}},
        ClockCase{"99\r", 0, {"応答エラー", "KM-62RXからの応答が不正な値です。"}},
        ClockCase{"OX260315142530\r", 0, {"応答エラー", "KM-62RXからの応答が不正な値です。"}},
        ClockCase{"OK\r", 1, {"接続しました", "本体時刻 : 2000/00/00 00:00:00"}}));

}  // namespace
}  // namespace km62rx::device
