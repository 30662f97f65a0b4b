#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "settings_test_util.h"

namespace km62rx::settings {
namespace {

using test::Parse;
using Box = RecordingNotifier::Box;

constexpr const char* kIgnored = "下記の設定行は無視されました。\r\n";
constexpr const char* kFormat = "フォーマットエラー";
constexpr const char* kKey = "設定項目名エラー";
constexpr const char* kTriggerId = "トリガーID エラー";
constexpr const char* kParameter = "パラメータエラー";
constexpr const char* kWarning = "警告";

struct LineCase {
  std::string line;
  std::vector<std::string> titles;                   // titles of the boxes, in order
  std::function<void(LoggerSettings&)> change = {};  // what the line does to a default record
};

void PrintTo(const LineCase& c, std::ostream* os) {
  *os << c.line;
}

class SingleLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(SingleLine, ChangesRecordAndReports) {
  const LineCase& c = GetParam();
  std::vector<Box> boxes;
  const LoggerSettings got = Parse("INFO_NAME=KM-62RX\r\n" + c.line + "\r\n", boxes);
  LoggerSettings want = DefaultSettings();
  if (c.change)
    c.change(want);
  EXPECT_EQ(got, want) << FormatSettingsFile(got);
  std::vector<std::string> titles;
  for (const Box& box : boxes)
    titles.push_back(box.title);
  EXPECT_EQ(titles, c.titles);
}

const std::vector<std::string> kNone;
const std::vector<std::string> kFormatBox{kFormat};
const std::vector<std::string> kKeyBox{kKey};
const std::vector<std::string> kTriggerBox{kTriggerId};
const std::vector<std::string> kParameterBox{kParameter};

INSTANTIATE_TEST_SUITE_P(
    DataTriggers, SingleLine,
    ::testing::Values(
        LineCase{"START_DATA=1-55", kNone, [](auto& s) { s.START_DATA[1] = "1-"; }},
        LineCase{"START_DATA=1", kNone, [](auto& s) { s.START_DATA[1] = "1"; }},
        LineCase{"START_DATA=10D0a", kNone, [](auto& s) { s.START_DATA[1] = "10D0a"; }},
        LineCase{"STOP_DATA=200112233", kNone, [](auto& s) { s.STOP_DATA[2] = "200112233"; }},
        LineCase{"STOP_DATA=1", kParameterBox},
        LineCase{"TMSP_START_DATA=2", kNone, [](auto& s) { s.TMSP_START_DATA[2] = "2"; }},
        LineCase{"TMSP_STOP_DATA=2", kParameterBox},
        LineCase{"TMSP_STOP_DATA=0ff", kNone, [](auto& s) { s.TMSP_STOP_DATA[0] = "0ff"; }},
        LineCase{"START_DATA=3-", kTriggerBox}, LineCase{"START_DATA=", kTriggerBox},
        LineCase{"START_DATA=x1", kTriggerBox}, LineCase{"STOP_DATA=0123456789A", kParameterBox},
        LineCase{"STOP_DATA=0ABC", kParameterBox}, LineCase{"STOP_DATA=0ZZ", kParameterBox},
        LineCase{"STOP_DATA=00102030405", kParameterBox}));

INSTANTIATE_TEST_SUITE_P(
    TimeTriggers, SingleLine,
    ::testing::Values(
        LineCase{"START_TIME=7123", kTriggerBox}, LineCase{"START_TIME=01234", kFormatBox},
        LineCase{"START_TIME=0", kFormatBox}, LineCase{"START_TIME=0123456", kFormatBox},
        LineCase{"START_TIME=082400", kParameterBox}, LineCase{"START_TIME=0a2400", kParameterBox},
        LineCase{"START_TIME=012460", {kParameter}}, LineCase{"START_TIME=002500", {kParameter}},
        LineCase{"START_TIME=002560", {kParameter}},  // one box, for the minute
        LineCase{"START_TIME=002360", {kParameter}}, LineCase{"START_TIME=002400", {kParameter}},
        LineCase{"START_TIME=6-x", kNone, [](auto& s) { s.START_TIME[6] = "6-"; }},
        LineCase{"STOP_TIME=672359", kNone, [](auto& s) { s.STOP_TIME[6] = "672359"; }},
        LineCase{"STOP_TIME=300000", kNone, [](auto& s) { s.STOP_TIME[3] = "300000"; }}));

INSTANTIATE_TEST_SUITE_P(
    Numbers, SingleLine,
    ::testing::Values(
        LineCase{"STOP_IDLETIME=0", kParameterBox, [](auto& s) { s.STOP_IDLETIME = "1"; }},
        LineCase{"STOP_IDLETIME=0100", kNone, [](auto& s) { s.STOP_IDLETIME = "100"; }},
        LineCase{"STOP_IDLETIME=999999999", kNone, [](auto& s) { s.STOP_IDLETIME = "999999999"; }},
        LineCase{"STOP_IDLETIME=1234567890", kParameterBox},
        LineCase{"STOP_IDLETIME=", kParameterBox}, LineCase{"STOP_IDLETIME=12a", kParameterBox},
        LineCase{"STOP_IDLETIME=+5", kParameterBox},
        LineCase{"STOP_IDLETIME=-5", kNone, [](auto& s) { s.STOP_IDLETIME = "-"; }},
        LineCase{"STOP_DATASIZE=9999999999", kParameterBox,
                 [](auto& s) { s.STOP_DATASIZE = "2097152000"; }},
        LineCase{"STOP_DATASIZE=4294967296", kParameterBox,
                 [](auto& s) { s.STOP_DATASIZE = "2097152000"; }},
        LineCase{"STOP_DATASIZE=2097152000", kNone,
                 [](auto& s) { s.STOP_DATASIZE = "2097152000"; }},
        LineCase{"STOP_DATASIZE=00000", kParameterBox, [](auto& s) { s.STOP_DATASIZE = "1"; }},
        LineCase{"STOP_DATASIZE=12345678901", kParameterBox},
        LineCase{"STOP_LOGTIME=999999999", kParameterBox,
                 [](auto& s) { s.STOP_LOGTIME = "863913600"; }},
        LineCase{"STOP_LOGTIME=863913600", kNone, [](auto& s) { s.STOP_LOGTIME = "863913600"; }},
        LineCase{"TMSP_STOP_IDLETIME=0", kParameterBox,
                 [](auto& s) { s.TMSP_STOP_IDLETIME = "1"; }},
        LineCase{"TMSP_STOP_DATASIZE=3000000000", kParameterBox,
                 [](auto& s) { s.TMSP_STOP_DATASIZE = "2097152000"; }}));

INSTANTIATE_TEST_SUITE_P(
    CodesAndTexts, SingleLine,
    ::testing::Values(
        LineCase{"TMSP_MODE=ON", kNone, [](auto& s) { s.TMSP_MODE = "ON"; }},
        LineCase{"TMSP_MODE=on", kParameterBox}, LineCase{"TMSP_MODE=ONX", kParameterBox},
        LineCase{"TMSP_MODE=", kParameterBox},
        LineCase{"TMSP_SERIAL_NO=OFF", kNone, [](auto& s) { s.TMSP_SERIAL_NO = "OFF"; }},
        LineCase{"TMSP_TYPE=HMS", kNone, [](auto& s) { s.TMSP_TYPE = "HMS"; }},
        LineCase{"TMSP_TYPE=ON", kParameterBox},
        LineCase{"TMSP_SPLIT=\\t", kNone, [](auto& s) { s.TMSP_SPLIT = "\\t"; }},
        LineCase{"TMSP_SPLIT=\\x4f", kNone, [](auto& s) { s.TMSP_SPLIT = "\\x4f"; }},
        LineCase{"TMSP_SPLIT=\\\\abc", kNone, [](auto& s) { s.TMSP_SPLIT = "\\"; }},
        LineCase{"TMSP_SPLIT=\\", kNone, [](auto& s) { s.TMSP_SPLIT = "\\"; }},
        LineCase{"TMSP_SPLIT= ", kNone, [](auto& s) { s.TMSP_SPLIT = " "; }},
        LineCase{"TMSP_SPLIT=ab", kParameterBox}, LineCase{"TMSP_SPLIT=\\x4", kParameterBox},
        LineCase{"TMSP_SPLIT=", kParameterBox}, LineCase{"TMSP_SPLIT==", kFormatBox},
        LineCase{std::string("TMSP_SPLIT=;\0", 13), kParameterBox},
        LineCase{"TMSP_DEL_DATA=0D0A", kNone, [](auto& s) { s.TMSP_DEL_DATA = "0D0A"; }},
        LineCase{"TMSP_DEL_DATA=00112233445566778899", kNone,
                 [](auto& s) { s.TMSP_DEL_DATA = "00112233445566778899"; }},
        LineCase{"TMSP_DEL_DATA=00112233445566778899AA", kParameterBox},
        LineCase{"TMSP_DEL_DATA=-", kParameterBox}, LineCase{"TMSP_DEL_DATA=0", kParameterBox},
        LineCase{"FILE_EXTENSION=LO", kParameterBox},
        LineCase{"FILE_EXTENSION=a.b", kNone, [](auto& s) { s.FILE_EXTENSION = "a.b"; }},
        LineCase{"FILE_EXTENSION=日", kNone, [](auto& s) { s.FILE_EXTENSION = "日"; }},
        LineCase{std::string("FILE_EXTENSION=A\0B", 18), kParameterBox}));

INSTANTIATE_TEST_SUITE_P(
    KeysAndFormat, SingleLine,
    ::testing::Values(LineCase{"start_data=0-", kKeyBox}, LineCase{"START_DATA =0-", kKeyBox},
                      LineCase{"=", kKeyBox}, LineCase{"STOP_DATA", kFormatBox},
                      LineCase{"A=B=C", kFormatBox}, LineCase{"INFO_NAME=other", kNone},
                      LineCase{"TIME_SET=0", kNone}, LineCase{"TIME_CALENDAR=240305140709", kNone},
                      LineCase{"TIME_CALENDAR=garbage", kNone}, LineCase{"\xff\xfe=\x80", kKeyBox},
                      LineCase{std::string("START_DATA=0\0", 13), kParameterBox}));

TEST(SettingsReader, MessageTexts) {
  struct Case {
    std::string line;
    Box box;
  };
  const std::vector<Case> cases{
      {"STOP_DATA=1", {kParameter, std::string(kIgnored) + "STOP_DATA=1"}},
      {"nokey=1", {kKey, std::string(kIgnored) + "nokey=1"}},
      {"FILE_EXTENSION=LO",
       {kParameter,
        "拡張子は3文字のみ有効です。\r\n下記の設定行は無視されました。\r\nFILE_EXTENSION=LO"}},
      {"START_TIME=002500",
       {kParameter, "下記設定行の時刻設定(時)は無視されました。\r\nSTART_TIME=002500"}},
      {"START_TIME=012460",
       {kParameter, "下記設定行の時刻設定(分)は無視されました。\r\nSTART_TIME=012460"}},
      {"STOP_IDLETIME=0",
       {kParameter, "アイドル時間トリガーの最小設定値は1ミリ秒です。\r\n1ミリ秒に変更しました。"}},
      {"STOP_DATASIZE=0",
       {kParameter, "データサイズトリガーの最小設定値は1バイトです。\r\n1バイトに変更しました。"}},
      {"STOP_DATASIZE=2097152001",
       {kParameter,
        "データサイズトリガーの最大設定値は2000Mバイトです。\r\n2000Mバイトに変更しました。"}},
      {"STOP_LOGTIME=0",
       {kParameter, "ロギング時間トリガーの最小設定値は1秒です。\r\n1秒に変更しました。"}},
      {"STOP_LOGTIME=863913601",
       {kParameter, "ロギング時間トリガーの最大設定値は9999日です。\r\n9999日に変更しました。"}},
      {"TMSP_STOP_IDLETIME=0",
       {kParameter,
        "アイドル時間による条件の最小設定値は1ミリ秒です。\r\n1ミリ秒に変更しました。"}},
      {"TMSP_STOP_DATASIZE=0",
       {kParameter,
        "データサイズによる条件の最小設定値は1バイトです。\r\n1バイトに変更しました。"}},
      {"TMSP_STOP_DATASIZE=4000000000",
       {kParameter,
        "データサイズによる条件の最大設定値は2000Mバイトです。\r\n2000Mバイトに変更しました。"}},
  };
  for (const Case& c : cases) {
    std::vector<Box> boxes;
    Parse(c.line + "\r\n", boxes);
    ASSERT_EQ(boxes.size(), 1u) << c.line;
    EXPECT_EQ(boxes[0], c.box) << c.line;
  }
}

TEST(SettingsReader, Sequences) {
  const std::string dupHead = "下記の設定項目が重複しています。\r\n";
  const std::string dupTail = "\r\n後に記述された設定が優先されます。";
  struct Case {
    std::string text;
    std::vector<Box> boxes;
    std::function<void(LoggerSettings&)> change;
  };
  const std::vector<Case> cases{
      {"STOP_LOGTIME=30\nSTOP_LOGTIME=60\n",
       {{kWarning, dupHead + "STOP_LOGTIME" + dupTail}},
       [](auto& s) { s.STOP_LOGTIME = "60"; }},
      {"STOP_LOGTIME=abc\nSTOP_LOGTIME=60\n",
       {{kParameter, std::string(kIgnored) + "STOP_LOGTIME=abc"},
        {kWarning, dupHead + "STOP_LOGTIME" + dupTail}},
       [](auto& s) { s.STOP_LOGTIME = "60"; }},
      // A value too long for the key never reaches the duplicate test.
      {"STOP_IDLETIME=1234567890\nSTOP_IDLETIME=5\n",
       {{kParameter, std::string(kIgnored) + "STOP_IDLETIME=1234567890"}},
       [](auto& s) { s.STOP_IDLETIME = "5"; }},
      {"START_DATA=0AA\nSTART_DATA=0BB\n",
       {{kWarning, dupHead + "START_DATA トリガー0" + dupTail}},
       [](auto& s) { s.START_DATA[0] = "0BB"; }},
      {"TMSP_START_DATA=1AA\nTMSP_START_DATA=1-\n",
       {{kWarning, dupHead + "TMSP_START_DATA 条件1" + dupTail}},
       [](auto& s) { s.TMSP_START_DATA[1] = "1-"; }},
      {"STOP_TIME=5123456\nSTOP_TIME=501234\n",
       {{kFormat, std::string(kIgnored) + "STOP_TIME=5123456"},
        {kWarning, dupHead + "STOP_TIME トリガー5" + dupTail}},
       [](auto& s) { s.STOP_TIME[5] = "501234"; }},
      // A bad entry number is rejected before the entry's flag is set.
      {"START_TIME=7123\nSTART_TIME=7123\n",
       {{kTriggerId, std::string(kIgnored) + "START_TIME=7123"},
        {kTriggerId, std::string(kIgnored) + "START_TIME=7123"}},
       nullptr},
      {"TMSP_DEL_DATA=0D\nTMSP_DEL_DATA=\n",
       {{kWarning, dupHead + "TMSP_DEL_DATA" + dupTail}},
       nullptr},
      {"START_DATA=0AA\nSTART_DATA=1BB\nSTART_DATA=2CC\n",
       {},
       [](auto& s) {
         s.START_DATA[0] = "0AA";
         s.START_DATA[1] = "1BB";
         s.START_DATA[2] = "2CC";
       }},
      // TIME_SET and TIME_CALENDAR are never loaded and never counted twice.
      {"TIME_SET=0\nTIME_SET=0\nTIME_CALENDAR=240305140709\n", {}, nullptr},
  };
  for (const Case& c : cases) {
    std::vector<Box> boxes;
    const LoggerSettings got = Parse(c.text, boxes);
    LoggerSettings want = DefaultSettings();
    if (c.change)
      c.change(want);
    EXPECT_EQ(got, want) << c.text;
    EXPECT_EQ(boxes, c.boxes) << c.text;
  }
}

TEST(SettingsReader, HeaderOnlyFileGivesDefaults) {
  std::vector<Box> boxes;
  EXPECT_EQ(Parse("INFO_NAME=KM-62RX\r\n", boxes), DefaultSettings());
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(Parse("", boxes), DefaultSettings());
  EXPECT_TRUE(boxes.empty());
}

TEST(SettingsReader, StartsFromDefaultsWhateverTheRecordHeld) {
  LoggerSettings settings = DefaultSettings();
  settings.STOP_LOGTIME = "60";
  settings.TIME_SET = 0;
  std::istringstream in("TMSP_MODE=ON\n");
  RecordingNotifier notifier;
  ParseSettings(in, settings, notifier);
  LoggerSettings want = DefaultSettings();
  want.TMSP_MODE = "ON";
  EXPECT_EQ(settings, want);
}

TEST(SettingsReader, LineEndsOfEveryKind) {
  LoggerSettings want = DefaultSettings();
  want.TMSP_MODE = "ON";
  want.STOP_LOGTIME = "60";
  want.TMSP_DEL_DATA = "0A";
  for (const std::string text : {"TMSP_MODE=ON\r\nSTOP_LOGTIME=60\r\nTMSP_DEL_DATA=0A\r\n",
                                 "TMSP_MODE=ON\nSTOP_LOGTIME=60\nTMSP_DEL_DATA=0A\n",
                                 "TMSP_MODE=ON\rSTOP_LOGTIME=60\rTMSP_DEL_DATA=0A\r",
                                 "TMSP_MODE=ON\r\n\r\nSTOP_LOGTIME=60\r\r\nTMSP_DEL_DATA=0A",
                                 "\n\nTMSP_MODE=ON\n\r\nSTOP_LOGTIME=60\nTMSP_DEL_DATA=0A"}) {
    std::vector<Box> boxes;
    EXPECT_EQ(Parse(text, boxes), want) << text;
    EXPECT_TRUE(boxes.empty()) << text;
  }
}

TEST(SettingsReader, LongLineIsOneLineReportedOnceAndCut) {
  for (const std::size_t length : {100u, 150u, 5000u, 100000u}) {
    std::string longLine = "STOP_LOGTIME=";
    longLine.resize(length, '7');
    std::vector<Box> boxes;
    const LoggerSettings got = Parse(longLine + "\r\nTMSP_MODE=ON\r\n", boxes);
    ASSERT_EQ(boxes.size(), 1u) << length;
    EXPECT_EQ(boxes[0].title, kFormat);
    // The message keeps the width it always had: 32 bytes of text in the
    // logger's code page and 67 bytes of the line.
    EXPECT_EQ(boxes[0].text, std::string(kIgnored) + longLine.substr(0, 67));
    EXPECT_EQ(got.TMSP_MODE.View(), "ON");
    EXPECT_EQ(got.STOP_LOGTIME.View(), "-");
  }
  // A line of exactly 99 characters is still a line.
  std::string line = "TMSP_DEL_DATA=";
  line.resize(99, 'A');
  std::vector<Box> boxes;
  Parse(line + "\n", boxes);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, kParameter);
  EXPECT_EQ(boxes[0].text, std::string(kIgnored) + line.substr(0, 67));
}

TEST(SettingsReader, BinaryBytesAreData) {
  std::string text = "TMSP_MODE=ON\n";
  for (int i = 0; i < 256; ++i)
    text += static_cast<char>(i);
  text += std::string("\0\0\0\n", 4) + "STOP_LOGTIME=60";
  std::vector<Box> boxes;
  const LoggerSettings got = Parse(text, boxes);
  EXPECT_EQ(got.TMSP_MODE.View(), "ON");
  EXPECT_EQ(got.STOP_LOGTIME.View(), "60");
  EXPECT_FALSE(boxes.empty());
}

TEST(SettingsLines, ReadSettingsLineSplitsOnEveryLineEnd) {
  std::istringstream in(std::string("a\r\nb\nc\rd\r\r\ne\0f", 14));
  std::vector<std::string> lines;
  std::string line;
  while (ReadSettingsLine(in, line))
    lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", std::string("e\0f", 3)}));
  EXPECT_FALSE(ReadSettingsLine(in, line));
}

TEST(SettingsLines, ReadSettingsLineBoundsAHugeLine) {
  std::istringstream in(std::string(1'000'000, 'x') + "\nnext\n");
  std::string line;
  ASSERT_TRUE(ReadSettingsLine(in, line));
  EXPECT_EQ(line.size(), kMaxKeptLineLength);
  ASSERT_TRUE(ReadSettingsLine(in, line));
  EXPECT_EQ(line, "next");
}

TEST(SettingsLines, FindSettingsHeader) {
  struct Case {
    std::string text;
    bool found;
  };
  const std::string longLine(100, 'x');
  const std::vector<Case> cases{
      {"INFO_NAME=KM-62RX\r\n", true},
      {"INFO_NAME=KM-62RX", true},
      {"a\nb\nc\nd\nINFO_NAME=KM-62RX\n", true},
      {"INFO_NAME=KM-62RXYZ   \n", true},
      {std::string(82, 'y') + "INFO_NAME=KM-62RX\n", false},  // 99 characters, header not at start
      {std::string(98, 'y') + "\nINFO_NAME=KM-62RX\n", true},
      {"", false},
      {"info_name=KM-62RX\n", false},
      {" INFO_NAME=KM-62RX\n", false},
      {"INFO_NAME=KM-62R\n", false},
      {longLine + "\nINFO_NAME=KM-62RX\n", false},
      {"\rINFO_NAME=KM-62RX\r", true},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.text);
    EXPECT_EQ(FindSettingsHeader(in), c.found) << c.text;
  }
}

TEST(SettingsLines, ParseAfterHeaderSearchAndRewindReadsEveryLine) {
  std::istringstream in("TMSP_MODE=ON\nx\ny\nz\nINFO_NAME=KM-62RX\n");
  ASSERT_TRUE(FindSettingsHeader(in));
  in.clear();
  in.seekg(0);
  RecordingNotifier notifier;
  LoggerSettings settings;
  ParseSettings(in, settings, notifier);
  EXPECT_EQ(settings.TMSP_MODE.View(), "ON");
  EXPECT_EQ(notifier.boxes.size(), 3u);
}

}  // namespace
}  // namespace km62rx::settings
