#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "settings/settings_format.h"
#include "settings/settings_lines.h"
#include "support/settings_helpers.h"

namespace km62rx::settings {
namespace {

using Box = RecordingNotifier::Box;

const std::string kIgnored = "下記の設定行は無視されました。\r\n";
const std::string kExtension = "拡張子は3文字のみ有効です。\r\n" + kIgnored;
const std::string kHour = "下記設定行の時刻設定(時)は無視されました。\r\n";
const std::string kMinute = "下記設定行の時刻設定(分)は無視されました。\r\n";
const std::string kFormat = "フォーマットエラー";
const std::string kKey = "設定項目名エラー";
const std::string kTriggerId = "トリガーID エラー";
const std::string kParameter = "パラメータエラー";
const std::string kDupHead = "下記の設定項目が重複しています。\r\n";
const std::string kDupTail = "\r\n後に記述された設定が優先されます。";

Box Duplicate(const std::string& what) {
  return {"警告", kDupHead + what + kDupTail};
}

// The lines of the record's file that differ from the default file's.
std::vector<std::string> ChangedLines(const LoggerSettings& settings) {
  std::istringstream got(FormatSettingsFile(settings));
  std::istringstream defaults(FormatSettingsFile(DefaultSettings()));
  std::vector<std::string> changed;
  for (std::string line, base; std::getline(got, line) && std::getline(defaults, base);) {
    if (line != base)
      changed.push_back(line.substr(0, line.size() - 1));
  }
  return changed;
}

// One line after the header: the line it changes in the file of a default
// record (empty: none), the title of its box (empty: none) and the box's text
// (empty: the "line ignored" text quoting the line).
struct LineCase {
  std::string line;
  std::string changed;
  std::string title = {};
  std::string text = {};
};

TEST(SettingsReader, EachLineChangesTheRecordAndReports) {
  using C = LineCase;
  const std::vector<LineCase> cases{
      // Data triggers: the entry digit, "-" for off, then up to four hex pairs.
      C{"START_DATA=1-55", ""}, C{"START_DATA=1", "START_DATA=1"},
      C{"START_DATA=10D0a", "START_DATA=10D0a"}, C{"STOP_DATA=200112233", "STOP_DATA=200112233"},
      C{"TMSP_START_DATA=2", "TMSP_START_DATA=2"}, C{"STOP_DATA=1", "", kParameter},
      C{"TMSP_STOP_DATA=2", "", kParameter}, C{"START_DATA=3-", "", kTriggerId},
      C{"START_DATA=", "", kTriggerId}, C{"STOP_DATA=0ABC", "", kParameter},
      C{"STOP_DATA=0ZZ", "", kParameter}, C{"STOP_DATA=00102030405", "", kParameter},
      // Time triggers: entry, day code 0-7, hour, minute; the minute is checked first.
      C{"START_TIME=7123", "", kTriggerId}, C{"START_TIME=01234", "", kFormat},
      C{"START_TIME=0a2400", "", kParameter}, C{"START_TIME=082400", "", kParameter},
      C{"STOP_TIME=672359", "STOP_TIME=672359"},
      C{"START_TIME=002500", "", kParameter, kHour + "START_TIME=002500"},
      C{"START_TIME=012460", "", kParameter, kMinute + "START_TIME=012460"},
      // Numbers: leading zeros dropped, clamped with a message, "-" for off.
      C{"STOP_IDLETIME=0100", "STOP_IDLETIME=100"}, C{"STOP_IDLETIME=-5", ""},
      C{"STOP_IDLETIME=1234567890", "", kParameter}, C{"STOP_IDLETIME=12a", "", kParameter},
      C{"STOP_DATASIZE=12345678901", "", kParameter},
      C{"STOP_DATASIZE=2097152000", "STOP_DATASIZE=2097152000"},
      C{"STOP_IDLETIME=0", "STOP_IDLETIME=1", kParameter,
        "アイドル時間トリガーの最小設定値は1ミリ秒です。\r\n1ミリ秒に変更しました。"},
      C{"STOP_DATASIZE=00000", "STOP_DATASIZE=1", kParameter,
        "データサイズトリガーの最小設定値は1バイトです。\r\n1バイトに変更しました。"},
      C{"STOP_DATASIZE=9999999999", "STOP_DATASIZE=2097152000", kParameter,
        "データサイズトリガーの最大設定値は2000Mバイトです。\r\n2000Mバイトに変更しました。"},
      C{"STOP_LOGTIME=0", "STOP_LOGTIME=1", kParameter,
        "ロギング時間トリガーの最小設定値は1秒です。\r\n1秒に変更しました。"},
      C{"STOP_LOGTIME=863913601", "STOP_LOGTIME=863913600", kParameter,
        "ロギング時間トリガーの最大設定値は9999日です。\r\n9999日に変更しました。"},
      C{"TMSP_STOP_IDLETIME=0", "TMSP_STOP_IDLETIME=1", kParameter,
        "アイドル時間による条件の最小設定値は1ミリ秒です。\r\n1ミリ秒に変更しました。"},
      C{"TMSP_STOP_DATASIZE=0", "TMSP_STOP_DATASIZE=1", kParameter,
        "データサイズによる条件の最小設定値は1バイトです。\r\n1バイトに変更しました。"},
      C{"TMSP_STOP_DATASIZE=4000000000", "TMSP_STOP_DATASIZE=2097152000", kParameter,
        "データサイズによる条件の最大設定値は2000Mバイトです。\r\n2000Mバイトに変更しました。"},
      // Codes match exactly; separators and excluded data have their own rules.
      C{"TMSP_MODE=ON", "TMSP_MODE=ON"}, C{"TMSP_MODE=on", "", kParameter},
      C{"TMSP_TYPE=HMS", "TMSP_TYPE=HMS"}, C{"TMSP_TYPE=ON", "", kParameter},
      C{"TMSP_SPLIT=\\x4f", "TMSP_SPLIT=\\x4f"}, C{"TMSP_SPLIT=\\\\abc", "TMSP_SPLIT=\\"},
      C{"TMSP_SPLIT=ab", "", kParameter}, C{"TMSP_SPLIT==", "TMSP_SPLIT=="},
      C{"TMSP_SPLIT===", "", kFormat}, C{"TMSP_MODE==", "", kFormat},
      C{std::string("TMSP_SPLIT=;\0", 13), "", kParameter},
      C{"TMSP_DEL_DATA=00112233445566778899", "TMSP_DEL_DATA=00112233445566778899"},
      C{"TMSP_DEL_DATA=00112233445566778899AA", "", kParameter},
      C{"FILE_EXTENSION=a.b", "FILE_EXTENSION=a.b"}, C{"FILE_EXTENSION=日", "FILE_EXTENSION=日"},
      C{"FILE_EXTENSION=LO", "", kParameter, kExtension + "FILE_EXTENSION=LO"},
      C{std::string("FILE_EXTENSION=A\0B", 18), "", kParameter,
        kExtension + std::string("FILE_EXTENSION=A\0B", 18)},
      // Keys and the shape of a line; the clock lines are the writer's business.
      C{"start_data=0-", "", kKey}, C{"\xff\xfe=\x80", "", kKey}, C{"STOP_DATA", "", kFormat},
      C{"A=B=C", "", kFormat}, C{"INFO_NAME=other", ""}, C{"TIME_CALENDAR=240305140709", ""},
      C{std::string("START_DATA=0\0", 13), "", kParameter}};
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.line);
    std::vector<Box> boxes;
    const LoggerSettings got = testing::ParseText("INFO_NAME=KM-62RX\r\n" + c.line + "\r\n", boxes);
    EXPECT_EQ(ChangedLines(got),
              c.changed.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.changed});
    std::vector<Box> wantBoxes;
    if (!c.title.empty())
      wantBoxes.push_back({c.title, c.text.empty() ? kIgnored + c.line : c.text});
    EXPECT_EQ(boxes, wantBoxes);
  }
}

TEST(SettingsReader, DuplicateWarnings) {
  struct Case {
    std::string text;
    std::vector<Box> boxes;
    std::vector<std::string> changed;
  };
  const std::vector<Case> cases{
      {"STOP_LOGTIME=abc\nSTOP_LOGTIME=60\n",
       {{kParameter, kIgnored + "STOP_LOGTIME=abc"}, Duplicate("STOP_LOGTIME")},
       {"STOP_LOGTIME=60"}},
      // A value too long for the key never reaches the duplicate test.
      {"STOP_IDLETIME=1234567890\nSTOP_IDLETIME=5\n",
       {{kParameter, kIgnored + "STOP_IDLETIME=1234567890"}},
       {"STOP_IDLETIME=5"}},
      {"START_DATA=0AA\nSTART_DATA=0BB\nSTART_DATA=1BB\n",
       {Duplicate("START_DATA トリガー0")},
       {"START_DATA=0BB", "START_DATA=1BB"}},
      {"TMSP_START_DATA=1AA\nTMSP_START_DATA=1-\n", {Duplicate("TMSP_START_DATA 条件1")}, {}},
      {"STOP_TIME=5123456\nSTOP_TIME=501234\n",
       {{kFormat, kIgnored + "STOP_TIME=5123456"}, Duplicate("STOP_TIME トリガー5")},
       {"STOP_TIME=501234"}},
      // A bad entry number is rejected before the entry counts as seen.
      {"START_TIME=7123\nSTART_TIME=7123\n",
       {{kTriggerId, kIgnored + "START_TIME=7123"}, {kTriggerId, kIgnored + "START_TIME=7123"}},
       {}},
      {"TMSP_DEL_DATA=0D\nTMSP_DEL_DATA=\n", {Duplicate("TMSP_DEL_DATA")}, {}},
      {"TIME_SET=0\nTIME_SET=0\n", {}, {}}};
  for (const Case& c : cases) {
    std::vector<Box> boxes;
    EXPECT_EQ(ChangedLines(testing::ParseText(c.text, boxes)), c.changed) << c.text;
    EXPECT_EQ(boxes, c.boxes) << c.text;
  }
}

TEST(SettingsReader, QuoteIsCutBetweenWholeCharacters) {
  // The quote may be 67 units wide: 2 for a Japanese character, 1 for ASCII;
  // a line that is no UTF-8 is taken as Shift_JIS, 2 for a pair.
  std::string kanji, sjis;
  for (int i = 0; i < 40; ++i) {
    kanji += "日";
    sjis += "\x93\xFA\x93\xFA";
  }
  const std::vector<std::pair<std::string, std::string>> cases{
      {"FOO=" + kanji, "FOO=" + kanji.substr(0, 31 * 3)},
      {"FOOD=" + kanji, "FOOD=" + kanji.substr(0, 31 * 3)},
      {"FOO=" + sjis, "FOO=" + sjis.substr(0, 31 * 2)},
      // Never a pair cut in two, nor a quote that ends like a cut UTF-8 character.
      {"FOO=" + sjis.substr(0, 61) + kanji, "FOO=" + sjis.substr(0, 60)},
  };
  for (const auto& [line, quote] : cases) {
    std::vector<Box> boxes;
    testing::ParseText(line + "\n", boxes);
    EXPECT_EQ(boxes, (std::vector<Box>{{kFormat, kIgnored + quote}})) << line;
  }
}

TEST(SettingsReader, LongLineIsReportedOnceWithItsQuoteCut) {
  for (const std::size_t length : {99u, 100u, 100000u}) {
    std::string line = "STOP_LOGTIME=";
    line.resize(length, '7');
    std::vector<Box> boxes;
    // A line of bytes of every value follows: data, never the end of the reading.
    std::string binary;
    for (int i = 0; i < 256; ++i)
      binary += i == '\n' || i == '\r' ? 'x' : static_cast<char>(i);
    const LoggerSettings got =
        testing::ParseText(line + "\r\n" + binary + "\nTMSP_MODE=ON\r\n", boxes);
    // 99 characters is still a line (a bad value); a longer one is no line.
    // The quote keeps the width the message always had: 67 bytes.
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], (Box{length == 99 ? kParameter : kFormat, kIgnored + line.substr(0, 67)}));
    EXPECT_EQ(got.TMSP_MODE.View(), "ON");
    EXPECT_EQ(got.STOP_LOGTIME.View(), "-");
  }
}

TEST(SettingsLines, EveryLineEndAndABoundOnHugeLines) {
  std::istringstream in(std::string("a\r\nb\nc\rd\r\r\ne\0f\n", 15) + std::string(1'000'000, 'x') +
                        "\nlast");
  std::vector<std::string> lines;
  std::string line;
  while (ReadSettingsLine(in, line))
    lines.push_back(line);
  const std::vector<std::string> want{
      "a", "b", "c", "d", "", std::string("e\0f", 3), std::string(kMaxKeptLineLength, 'x'), "last"};
  EXPECT_EQ(lines, want);
}

TEST(SettingsLines, FindSettingsHeader) {
  const std::vector<std::pair<std::string, bool>> cases{
      {"INFO_NAME=KM-62RX", true},
      {"INFO_NAME=KM-62RXYZ   \n", true},
      {"\rINFO_NAME=KM-62RX\r", true},
      {std::string(98, 'y') + "\nINFO_NAME=KM-62RX\n", true},
      {std::string(100, 'y') + "\nINFO_NAME=KM-62RX\n", false},  // a line too long ends the search
      {std::string(82, 'y') + "INFO_NAME=KM-62RX\n", false},
      {" INFO_NAME=KM-62RX\n", false},
      {"INFO_NAME=KM-62R\n", false},
  };
  for (const auto& [text, found] : cases) {
    std::istringstream in(text);
    EXPECT_EQ(FindSettingsHeader(in), found) << text;
  }
}

}  // namespace
}  // namespace km62rx::settings
