#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <random>
#include <sstream>
#include <string>

#include "settings/settings_format.h"
#include "settings_test_util.h"

namespace km62rx::settings {
namespace {

// Random records within the limits of every field, to be written and read back.
class RecordGenerator {
 public:
  explicit RecordGenerator(unsigned seed) : random_(seed) {}

  LoggerSettings Next() {
    LoggerSettings s = DefaultSettings();
    const std::string extensionChars =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789._-~ ";
    std::string extension;
    for (int i = 0; i < 3; ++i)
      extension += Pick(extensionChars);
    s.FILE_EXTENSION = extension;
    for (int i = 0; i < kDataEntryCount; ++i) {
      s.START_DATA[i] = DataEntry(i, true);
      s.STOP_DATA[i] = DataEntry(i, false);
      s.TMSP_START_DATA[i] = DataEntry(i, true);
      s.TMSP_STOP_DATA[i] = DataEntry(i, false);
    }
    for (int i = 0; i < kTimeEntryCount; ++i) {
      s.START_TIME[i] = TimeEntry(i);
      s.STOP_TIME[i] = TimeEntry(i);
    }
    s.STOP_IDLETIME = Number(999999999);
    s.STOP_DATASIZE = Number(2097152000);
    s.STOP_LOGTIME = Number(863913600);
    s.TMSP_STOP_IDLETIME = Number(999999999);
    s.TMSP_STOP_DATASIZE = Number(2097152000);
    s.TMSP_MODE = OnOffChoices[Below(2)].code;
    s.TMSP_SERIAL_NO = OnOffChoices[Below(2)].code;
    s.TMSP_TYPE = TimestampTypeChoices[Below(3)].code;
    s.TMSP_SPLIT = Separator();
    s.TMSP_DEL_DATA = HexPairs(Below(11));
    return s;
  }

 private:
  std::size_t Below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }
  char Pick(std::string_view chars) { return chars[Below(chars.size())]; }

  std::string HexPairs(std::size_t pairs) {
    std::string text;
    for (std::size_t i = 0; i < pairs * 2; ++i)
      text += Pick("0123456789ABCDEFabcdef");
    return text;
  }

  std::string DataEntry(int entry, bool mayBeEmpty) {
    const std::string digit(1, static_cast<char>('0' + entry));
    if (Below(4) == 0)
      return digit + "-";
    return digit + HexPairs(mayBeEmpty ? Below(5) : 1 + Below(4));
  }

  std::string TimeEntry(int entry) {
    const std::string digit(1, static_cast<char>('0' + entry));
    if (Below(3) == 0)
      return digit + "-";
    char text[8];
    std::snprintf(text, sizeof text, "%s%zu%02zu%02zu", digit.c_str(), Below(8), Below(24),
                  Below(60));
    return text;
  }

  std::string Number(std::uint32_t maximum) {
    if (Below(4) == 0)
      return "-";
    // Small and large numbers alike, including both ends.
    switch (Below(4)) {
      case 0:
        return "1";
      case 1:
        return std::to_string(maximum);
      case 2:
        return std::to_string(1 + Below(1000));
      default:
        return std::to_string(1 + Below(maximum));
    }
  }

  std::string Separator() {
    switch (Below(4)) {
      case 0: {
        // Any printable character but "=", which the reader cannot take back.
        char c = '=';
        while (c == '=')
          c = static_cast<char>(0x20 + Below(0x5F));
        return std::string(1, c);
      }
      case 1:
        return std::string("\\") + Pick("nrt");
      case 2:
        return std::string("\\x") + HexPairs(1);
      default:
        return "\\";
    }
  }

  std::mt19937 random_;
};

TEST(SettingsRoundTrip, RandomRecordsReadBackUnchanged) {
  RecordGenerator generator(62);
  for (int i = 0; i < 3000; ++i) {
    LoggerSettings written = generator.Next();
    written.TIME_CALENDAR = "240305140709";
    written.TIME_SET = 0;
    const std::string file = FormatSettingsFile(written);
    std::vector<RecordingNotifier::Box> boxes;
    const LoggerSettings read = test::Parse(file, boxes);
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
