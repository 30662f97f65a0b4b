#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <random>
#include <sstream>
#include <string>

#include "settings/settings_format.h"
#include "support/settings_helpers.h"

namespace km62rx::settings {
namespace {

std::mt19937 random(62);
std::size_t Below(std::size_t n) {
  return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
}
std::string Chars(std::string_view from, std::size_t count) {
  std::string text;
  while (text.size() < count)
    text += from[Below(from.size())];
  return text;
}
std::string Hex(std::size_t pairs) {
  return Chars("0123456789ABCDEFabcdef", 2 * pairs);
}
// The entry's digit, then its value or, one time in four, "-" for off.
std::string Entry(int i, const std::string& value) {
  return std::to_string(i) + (Below(4) == 0 ? "-" : value);
}
// Off, either end, or a small or any number between.
std::string Number(std::uint32_t max) {
  const std::string choices[] = {"-", "1", std::to_string(max), std::to_string(1 + Below(1000)),
                                 std::to_string(1 + Below(max))};
  return choices[Below(5)];
}

// A random record within the limits of every field.
LoggerSettings RandomRecord() {
  LoggerSettings s = DefaultSettings();
  s.FILE_EXTENSION = Chars("ABCXYZabcxyz0189._-~ ", 3);
  for (int i = 0; i < kDataEntryCount; ++i) {
    s.START_DATA[i] = Entry(i, Hex(Below(5)));
    s.STOP_DATA[i] = Entry(i, Hex(1 + Below(4)));
    s.TMSP_START_DATA[i] = Entry(i, Hex(Below(5)));
    s.TMSP_STOP_DATA[i] = Entry(i, Hex(1 + Below(4)));
  }
  for (auto* times : {&s.START_TIME, &s.STOP_TIME}) {
    for (int i = 0; i < kTimeEntryCount; ++i) {
      char text[8];
      std::snprintf(text, sizeof text, "%zu%02zu%02zu", Below(8), Below(24), Below(60));
      (*times)[i] = Entry(i, text);
    }
  }
  s.STOP_IDLETIME = s.TMSP_STOP_IDLETIME = Number(999999999);
  s.STOP_DATASIZE = s.TMSP_STOP_DATASIZE = Number(2097152000);
  s.STOP_LOGTIME = Number(863913600);
  s.TMSP_MODE = OnOffChoices[Below(2)].code;
  s.TMSP_SERIAL_NO = OnOffChoices[Below(2)].code;
  s.TMSP_TYPE = TimestampTypeChoices[Below(3)].code;
  // Any printable character but "=", which the reader cannot take back.
  const char c = static_cast<char>(0x20 + Below(0x5F));
  const std::string separators[] = {c == '=' ? "," : std::string(1, c), "\\" + Chars("nrt", 1),
                                    "\\x" + Hex(1), "\\"};
  s.TMSP_SPLIT = separators[Below(4)];
  s.TMSP_DEL_DATA = Hex(Below(11));
  return s;
}

TEST(SettingsRoundTrip, RandomRecordsReadBackUnchanged) {
  for (int i = 0; i < 3000; ++i) {
    LoggerSettings written = RandomRecord();
    written.TIME_CALENDAR = "240305140709";
    written.TIME_SET = 0;
    const std::string file = FormatSettingsFile(written);
    std::vector<RecordingNotifier::Box> boxes;
    const LoggerSettings read = testing::ParseText(file, boxes);
    // The clock fields are the writer's business only: the reader keeps the defaults.
    LoggerSettings want = written;
    want.TIME_CALENDAR = kDefaultTimeCalendar;
    want.TIME_SET = 1;
    ASSERT_EQ(read, want) << file;
    ASSERT_TRUE(boxes.empty()) << file << boxes[0].title << boxes[0].text;
    ASSERT_EQ(FormatSettingsFile(read), FormatSettingsFile(want));
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
  const LoggerSettings read = testing::ParseText(file, boxes);

  std::locale::global(oldGlobal);
  std::setlocale(LC_ALL, oldC.c_str());

  EXPECT_NE(file.find("STOP_DATASIZE=2097152000\r\n"), std::string::npos);
  s.STOP_LOGTIME = "60";
  EXPECT_EQ(read, s);
  EXPECT_EQ(boxes.size(), 3u);  // the clamp and two duplicate warnings
}

}  // namespace
}  // namespace km62rx::settings
