#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "device/connection.h"
#include "device/control_ids.h"
#include "device/link.h"
#include "settings/notifier.h"
#include "support/fake_serial_line.h"

namespace km62rx::device {
namespace {

struct ErrorCase {
  int code;
  const char* title;
  const char* text;
};

class LinkErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(LinkErrorTest, ShowsTheBoxOfTheCode) {
  RecordingNotifier owner;
  ReportLinkError(GetParam().code, owner);
  ASSERT_EQ(owner.boxes.size(), 1u);
  EXPECT_EQ(owner.boxes[0].title, GetParam().title);
  EXPECT_EQ(owner.boxes[0].text, GetParam().text);
}

constexpr const char* kUnknown = "不明なエラーが発生しました。";
constexpr const char* kMismatch = "コマンドのパラメータが不一致です。";

INSTANTIATE_TEST_SUITE_P(
    Table, LinkErrorTest,
    ::testing::Values(
        ErrorCase{1, "接続エラー", "COMポートエラー。"},
        ErrorCase{2, "接続エラー", "送受信に失敗しました。"},
        ErrorCase{3, "接続エラー", "有効なKM-62RXではありません。"},
        ErrorCase{4, "注意",
                  "SDカードが挿入されていません。\r\n時刻以外の本体設定を変更する際は、"
                  "SDカードを挿入してから再接続してください。"},
        ErrorCase{5, "注意",
                  "SDカードが書込保護されています。\r\n時刻以外の本体設定を変更する際は、"
                  "SDカードの保護を解除してから再接続してください。"},
        ErrorCase{6, "応答エラー", "KM-62RXからの応答が不正な値です。"},
        ErrorCase{7, "応答エラー", "ハードウェア設定が不正です。"},
        ErrorCase{8, "応答エラー", kMismatch},
        ErrorCase{9, "応答エラー", "コマンド応答が要求したコマンドの内容と一致しません。"},
        ErrorCase{100, "応答エラー", "エラーが発生しました。 (コード : 00)"},
        ErrorCase{102, "応答エラー", "エラーが発生しました。 (コード : 02)"},
        ErrorCase{135, "応答エラー", "エラーが発生しました。 (コード : 35)"},
        ErrorCase{150, "応答エラー", "エラーが発生しました。 (コード : 50)"},
        ErrorCase{198, "応答エラー", "エラーが発生しました。 (コード : 98)"},
        ErrorCase{101, "情報",
                  "KM-62RX本体ファームウェアバージョンが古いため「タイムスタンプ機能」は"
                  "設定できません。"},
        ErrorCase{199, "応答エラー", kMismatch}, ErrorCase{0, "エラー", kUnknown},
        ErrorCase{10, "エラー", kUnknown}, ErrorCase{99, "エラー", kUnknown},
        ErrorCase{200, "エラー", kUnknown}, ErrorCase{-1, "エラー", kUnknown}));

struct TimeCase {
  const char* payload;
  const char* text;
};

class FormatDeviceTimeTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(FormatDeviceTimeTest, FieldsComeFromTheValue) {
  EXPECT_EQ(FormatDeviceTime(GetParam().payload), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Payloads, FormatDeviceTimeTest,
                         ::testing::Values(TimeCase{"260315142530", "2026/03/15 14:25:30"},
                                           TimeCase{"991231235959", "2099/12/31 23:59:59"},
                                           TimeCase{"1234", "2000/00/00 00:12:34"},
                                           TimeCase{"", "2000/00/00 00:00:00"},
                                           TimeCase{"abc", "2000/00/00 00:00:00"},
                                           TimeCase{"2603151425309999", "2026/03/15 14:25:30"},
                                           TimeCase{"2603x5142530", "2000/00/00 00:26:03"}));

TEST(LinkPanelTest, DisconnectedPanel) {
  testing::FakeSerialLine line;
  DeviceLink link{line};
  link.firmwareVersion = 101;  // kept after a disconnect, not shown
  EXPECT_EQ(MakeLinkPanelTexts(link),
            (LinkPanelTexts{"接続状態 : 未接続", "SDカード : 未接続", "接続", false}));
}

TEST(LinkPanelTest, ConnectedPanelForEachCardState) {
  testing::FakeSerialLine line;
  DeviceLink link{line};
  link.connected = 1;
  link.firmwareVersion = 101;
  const std::string status = "接続状態 : 接続中 (ファームウェア Ver1.01)";
  link.sdState = 1;
  EXPECT_EQ(MakeLinkPanelTexts(link),
            (LinkPanelTexts{status, "SDカード : 接続中", "再接続", true}));
  link.sdState = 3;
  EXPECT_EQ(MakeLinkPanelTexts(link).sdLine, "SDカード : 書込保護");
  link.sdState = 0;
  EXPECT_EQ(MakeLinkPanelTexts(link).sdLine, "SDカード : 未接続");
  link.firmwareVersion = 123;
  EXPECT_EQ(MakeLinkPanelTexts(link).statusLine, "接続状態 : 接続中 (ファームウェア Ver1.23)");
  link.firmwareVersion = 0;
  EXPECT_EQ(MakeLinkPanelTexts(link).statusLine, "接続状態 : 接続中 (ファームウェア Ver0.00)");
}

// The ids of the time-stamp controls, in the order the rule lists them.
std::vector<int> TimestampIds() {
  std::vector<int> ids = {335, 336, 337, 646};
  for (int id = 650; id <= 659; ++id)
    ids.push_back(id);
  for (int row = 0; row < 3; ++row) {
    ids.push_back(860 + row);
    ids.push_back(870 + row);
    for (int k = 0; k < 4; ++k)
      ids.push_back(660 + 4 * row + k);
    for (int k = 0; k < 4; ++k)
      ids.push_back(680 + 4 * row + k);
  }
  for (int id : {880, 695, 885, 696, 340})
    ids.push_back(id);
  return ids;
}

TEST(ControlAvailabilityTest, ListsEveryControlOnceInTheRulesOrder) {
  const auto list = UpdateControlAvailability(0, 0, 1);
  std::vector<int> ids;
  for (const ControlEnable& c : list)
    ids.push_back(c.id);
  std::vector<int> expected = {420, 421, 415, 416};
  const std::vector<int> ts = TimestampIds();
  expected.insert(expected.end(), ts.begin(), ts.end());
  EXPECT_EQ(ids, expected);
  EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size());
  for (int untouched : {417, 418, 422}) {
    EXPECT_EQ(std::count(ids.begin(), ids.end(), untouched), 0);
  }
}

struct AvailabilityCase {
  int connected, sdState, timestampSupported;
  bool clock, transfer, timestamp;
};

class AvailabilityTest : public ::testing::TestWithParam<AvailabilityCase> {};

TEST_P(AvailabilityTest, EnablesByTheRule) {
  const AvailabilityCase& c = GetParam();
  for (const ControlEnable& e :
       UpdateControlAvailability(c.connected, c.sdState, c.timestampSupported)) {
    SCOPED_TRACE(e.id);
    if (e.id == 420 || e.id == 421) {
      EXPECT_EQ(e.enabled, c.clock);
    } else if (e.id == 415 || e.id == 416) {
      EXPECT_EQ(e.enabled, c.transfer);
    } else {
      EXPECT_EQ(e.enabled, c.timestamp);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(States, AvailabilityTest,
                         ::testing::Values(AvailabilityCase{0, 0, 1, false, false, true},
                                           AvailabilityCase{0, 1, 0, false, false, true},
                                           AvailabilityCase{1, 1, 1, true, true, true},
                                           AvailabilityCase{1, 1, 0, true, true, false},
                                           AvailabilityCase{1, 0, 1, true, false, true},
                                           AvailabilityCase{1, 3, 1, true, false, true},
                                           AvailabilityCase{1, 3, 0, true, false, false}));

}  // namespace
}  // namespace km62rx::device
