#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <sstream>
#include <string>

#include "settings/settings_file.h"
#include "settings_test_util.h"

namespace km62rx::settings {
namespace {

// Records with every field away from its default, at the edges of its rules,
// written and read back.
TEST(SettingsRoundTrip, RecordsReadBackUnchanged) {
  std::vector<LoggerSettings> records(3, DefaultSettings());
  for (std::size_t r = 0; r < records.size(); ++r) {
    LoggerSettings& s = records[r];
    const std::string splits[] = {"\\x7e", "\\t", " "};
    const std::string extensions[] = {"a.b", " ~_", "日"};
    s.TMSP_SPLIT = splits[r];
    s.FILE_EXTENSION = extensions[r];
    for (int i = 0; i < kDataEntryCount; ++i) {
      const std::string digit = std::to_string(i);
      const std::string data[] = {"00aAfF09", "", "7E"};
      s.START_DATA[i] = digit + data[(r + i) % 3];
      s.TMSP_START_DATA[i] = digit + data[(r + i + 1) % 3];
      s.STOP_DATA[i] = digit + (r == 1 ? "-" : "0D0A0B0C");
      s.TMSP_STOP_DATA[i] = digit + (r == 2 ? "-" : "ff");
    }
    for (int i = 0; i < kTimeEntryCount; ++i) {
      const std::string digit = std::to_string(i);
      const std::string times[] = {"72359", "00000", "-"};
      s.START_TIME[i] = digit + times[r];
      s.STOP_TIME[i] = digit + times[(r + 1) % 3];
    }
    const std::string numbers[] = {"1", "999999999", "-"};
    const std::string sizes[] = {"2097152000", "1", "10240"};
    s.STOP_IDLETIME = numbers[r];
    s.TMSP_STOP_IDLETIME = numbers[(r + 1) % 3];
    s.STOP_DATASIZE = sizes[r];
    s.TMSP_STOP_DATASIZE = sizes[(r + 1) % 3];
    s.STOP_LOGTIME = r == 0 ? "863913600" : "1";
    s.TMSP_MODE = OnOffChoices[1].code;
    s.TMSP_SERIAL_NO = OnOffChoices[0].code;
    s.TMSP_TYPE = TimestampTypeChoices[r].code;
    s.TMSP_DEL_DATA = std::string("00112233445566778899").substr(0, 2 * (r * 5));
  }
  for (const LoggerSettings& written : records) {
    const std::string file = FormatSettingsFile(written);
    std::vector<RecordingNotifier::Box> boxes;
    EXPECT_EQ(test::Parse(file, boxes), written) << file;
    EXPECT_TRUE(boxes.empty()) << file;
  }
}

// A numeric punctuation that groups thousands, as some locales do.
class GroupingPunct : public std::numpunct<char> {
 protected:
  char do_thousands_sep() const override { return '.'; }
  char do_decimal_point() const override { return ','; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(SettingsRoundTrip, NumbersDoNotDependOnTheLocale) {
  const std::string oldC = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
    std::setlocale(LC_ALL, "C.UTF-8");
  const std::locale oldGlobal =
      std::locale::global(std::locale(std::locale::classic(), new GroupingPunct));

  LoggerSettings s = DefaultSettings();
  s.STOP_DATASIZE = "2097152000";
  s.TMSP_STOP_IDLETIME = "1234567";
  const std::string file = FormatSettingsFile(s) + "STOP_DATASIZE=9999999999\nSTOP_LOGTIME=0060\n";
  std::vector<RecordingNotifier::Box> boxes;
  const LoggerSettings read = test::Parse(file, boxes);

  std::locale::global(oldGlobal);
  std::setlocale(LC_ALL, oldC.c_str());

  EXPECT_NE(file.find("STOP_DATASIZE=2097152000\r\n"), std::string::npos);
  EXPECT_EQ(read.STOP_DATASIZE.View(), "2097152000");
  EXPECT_EQ(read.STOP_LOGTIME.View(), "60");
  EXPECT_EQ(read.TMSP_STOP_IDLETIME.View(), "1234567");
  EXPECT_EQ(boxes.size(), 3u);  // the clamp and two duplicate warnings
}

}  // namespace
}  // namespace km62rx::settings
