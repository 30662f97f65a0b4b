#include "ui/page_binding.h"

#include <gtest/gtest.h>

#include <string>

#include "device/control_ids.h"
#include "settings/settings_format.h"
#include "ui/memory_page_controls.h"

namespace km62rx::ui {
namespace {

using settings::DefaultSettings;
using settings::LoggerSettings;
using Box = RecordingNotifier::Box;
using namespace std::string_view_literals;

const std::string kParameterError = "パラメータエラー";
const std::string kSizeLimited = "2000Mバイトです。\r\n2000Mバイトに変更しました。";

class PageBinding : public ::testing::Test {
 protected:
  LoggerSettings ReadBack() {
    LoggerSettings record;
    ReadSettingsFromPages(pages, record, notifier);
    return record;
  }
  void Show(const std::function<void(LoggerSettings&)>& change) {
    LoggerSettings record = DefaultSettings();
    change(record);
    ShowSettingsOnPages(pages, record);
  }
  // Checks a box and types its fields' texts.
  void On(int check, const std::vector<std::pair<int, const char*>>& texts = {}) {
    pages.SetChecked(check, true);
    for (const auto& [id, text] : texts)
      pages.SetText(id, text);
  }
  MemoryPageControls pages;
  RecordingNotifier notifier;
};

TEST_F(PageBinding, RecordRoundTripsThroughThePagesAndResetRestoresTheDefaults) {
  LoggerSettings s = DefaultSettings();
  s.FILE_EXTENSION = "a.b";
  s.START_DATA = {"00D0A"sv, "1-"sv, "2"sv};
  s.STOP_DATA = {"0-"sv, "1FF"sv, "2414243ab"sv};
  s.START_TIME[6] = "662359";
  s.STOP_IDLETIME = "0100";  // the idle time goes through as text
  s.STOP_DATASIZE = "2097152000";
  s.STOP_LOGTIME = "863913600";
  s.TMSP_MODE = "ON";
  s.TMSP_START_DATA = {"0-"sv, "1"sv, "20D"sv};
  s.TMSP_STOP_DATA = {"0AA"sv, "1-"sv, "2-"sv};
  s.TMSP_STOP_DATASIZE = "9999";
  s.TMSP_TYPE = "HMS";
  s.TMSP_SPLIT = "\\x09";
  s.TMSP_DEL_DATA = "000102030405060708FF";
  ShowSettingsOnPages(pages, s);
  EXPECT_EQ(settings::FormatSettingsFile(ReadBack()), settings::FormatSettingsFile(s));

  ResetPagesToDefaults(pages);
  EXPECT_EQ(ReadBack(), DefaultSettings());
  EXPECT_TRUE(notifier.boxes.empty());
}

TEST_F(PageBinding, DataSizeIsShownInTheLargestFittingUnit) {
  // Stored, shown, its unit, and saved back.
  const std::tuple<const char*, const char*, int, const char*> cases[] = {
      {"12288", "12", ids::kUnitKByte, "12288"},
      {"9999", "9999", ids::kUnitByte, "9999"},
      {"12345", "12", ids::kUnitKByte, "12288"},
      {"10239999", "9999", ids::kUnitKByte, "10238976"},  // rounds to 10000 K: held at 9999
      {"10240000", "10", ids::kUnitMByte, "10485760"},
      {"2097152000", "2000", ids::kUnitMByte, "2097152000"},
  };
  for (const auto& [stored, shown, shownUnit, savedBack] : cases) {
    for (const auto& [check, field, unit] :
         {std::tuple{ids::kStopSizeCheck, ids::kStopSizeField, ids::kStopSizeUnit},
          std::tuple{ids::kTimestampSizeCheck, ids::kTimestampSizeField,
                     ids::kTimestampSizeUnit}}) {
      Show([&](auto& s) {
        (field == ids::kStopSizeField ? s.STOP_DATASIZE : s.TMSP_STOP_DATASIZE) = stored;
      });
      EXPECT_TRUE(pages.Checked(check));
      EXPECT_EQ(pages.Text(field), shown) << stored;
      EXPECT_EQ(pages.ComboIndex(unit), shownUnit) << stored;
      const LoggerSettings back = ReadBack();
      EXPECT_EQ((field == ids::kStopSizeField ? back.STOP_DATASIZE : back.TMSP_STOP_DATASIZE).Str(),
                savedBack);
    }
  }
  EXPECT_TRUE(notifier.boxes.empty());
}

TEST_F(PageBinding, DataSizeAboveTwoThousandMByteIsLimited) {
  On(ids::kStopSizeCheck, {{ids::kStopSizeField, "2001"}});
  On(ids::kTimestampSizeCheck, {{ids::kTimestampSizeField, "2000"}});
  EXPECT_EQ(ReadBack().STOP_DATASIZE.Str(), "2097152000");
  EXPECT_EQ(pages.Text(ids::kStopSizeField), "2000");
  pages.SetText(ids::kTimestampSizeField, "2001");
  pages.SetText(ids::kStopSizeField, "9999");
  pages.SetComboIndex(ids::kStopSizeUnit, ids::kUnitKByte);  // other units are not limited here
  const LoggerSettings back = ReadBack();
  EXPECT_EQ(back.STOP_DATASIZE.Str(), "10238976");
  EXPECT_EQ(back.TMSP_STOP_DATASIZE.Str(), "2097152000");
  const std::vector<Box> want = {
      {kParameterError, "データサイズトリガーの最大設定値は" + kSizeLimited},
      {kParameterError,
       "データサイズによるタイムスタンプ記録の終了条件の最大設定値は" + kSizeLimited}};
  EXPECT_EQ(notifier.boxes, want);
}

TEST_F(PageBinding, LoggingTimeInDaysHoursMinutesSecondsAtLeastOneSecond) {
  const int fields[] = {ids::kLogDays, ids::kLogHours, ids::kLogMinutes, ids::kLogSeconds};
  const auto shown = [&] {
    std::string texts;
    for (int id : fields)
      texts += pages.Text(id) + " ";
    return texts;
  };
  const auto type = [&](std::vector<const char*> texts) {
    for (std::size_t i = 0; i < texts.size(); ++i)
      pages.SetText(fields[i], texts[i]);
  };
  Show([](auto& s) { s.STOP_LOGTIME = "93784"; });
  EXPECT_TRUE(pages.Checked(ids::kStopLogTimeCheck));
  EXPECT_EQ(shown(), "1 2 3 4 ");
  EXPECT_EQ(ReadBack().STOP_LOGTIME.Str(), "93784");
  EXPECT_TRUE(notifier.boxes.empty());

  type({"0", "0", "0", "0"});
  EXPECT_EQ(ReadBack().STOP_LOGTIME.Str(), "1");
  EXPECT_EQ(notifier.boxes, (std::vector<Box>{{kParameterError,
                                               "ロギング時間トリガーの最小設定値は1秒です。\r\n"
                                               "1秒に変更しました。"}}));
  EXPECT_EQ(shown(), "0 0 0 0 ");
  // At most 9999 days: the hours, minutes and seconds beyond go, silently.
  type({"9999", "23", "59", "0"});
  EXPECT_EQ(ReadBack().STOP_LOGTIME.Str(), "863913600");
  EXPECT_EQ(shown(), "9999 0 0 0 ");
  EXPECT_EQ(notifier.boxes.size(), 1u);
}

TEST_F(PageBinding, TimeEntriesAndTheWeekdayMapping) {
  // Day code -> combo index when shown, and back when saved.
  const int indexOfCode[8] = {7, 1, 2, 3, 4, 5, 6, 0};
  for (int code = 0; code <= 7; ++code) {
    const std::string entry = "2" + std::to_string(code) + "0830";
    Show([&](auto& s) { s.STOP_TIME[2] = entry; });
    EXPECT_TRUE(pages.Checked(ids::StopTimeCheck(2)));
    EXPECT_EQ(pages.ComboIndex(ids::StopTimeWeekday(2)), indexOfCode[code]) << code;
    EXPECT_EQ(pages.Text(ids::StopTimeHour(2)), "08");
    EXPECT_EQ(pages.Text(ids::StopTimeMinute(2)), "30");
    EXPECT_EQ(ReadBack().STOP_TIME[2].Str(), entry);
  }
  Show([](auto& s) { s.START_TIME[4] = "4x1200"; });  // not a day code: every day
  EXPECT_EQ(pages.ComboIndex(ids::StartTimeWeekday(4)), 0);

  // Fields are read with the atoi rule, held in range and written with two digits.
  On(ids::StartTimeCheck(6), {{ids::StartTimeHour(6), "8"}, {ids::StartTimeMinute(6), ""}});
  pages.SetComboIndex(ids::StartTimeWeekday(6), 2);
  On(ids::StopTimeCheck(0), {{ids::StopTimeHour(0), "99"}, {ids::StopTimeMinute(0), "-5"}});
  const LoggerSettings back = ReadBack();
  EXPECT_EQ(back.START_TIME[6].Str(), "620800");
  EXPECT_EQ(back.STOP_TIME[0].Str(), "072300");
}

TEST_F(PageBinding, DataEntriesTakeBytesUpToTheFirstShortField) {
  Show([](auto& s) {
    s.START_DATA[1] = "1414";
    s.TMSP_DEL_DATA = "0D0";
  });
  EXPECT_EQ(pages.Text(ids::StartDataByte(1, 0)), "41");
  EXPECT_EQ(pages.Text(ids::StartDataByte(1, 1)), "4");
  EXPECT_EQ(pages.Text(ids::ExcludedByte(1)), "0");
  On(ids::StartDataCheck(0), {{ids::StartDataByte(0, 0), "41"}, {ids::StartDataByte(0, 2), "42"}});
  On(ids::TimestampStartCheck(2));  // no bytes: on with none
  const LoggerSettings back = ReadBack();
  EXPECT_EQ(back.START_DATA[0].Str(), "041");
  EXPECT_EQ(back.START_DATA[1].Str(), "141");
  EXPECT_EQ(back.TMSP_START_DATA[2].Str(), "2");
  EXPECT_EQ(back.TMSP_DEL_DATA.Str(), "0D");
  EXPECT_TRUE(notifier.boxes.empty());
}

TEST_F(PageBinding, StopEntriesWithoutAByteAreRefusedOncePerRow) {
  On(ids::StopDataCheck(2), {{ids::StopDataByte(2, 1), "41"}});
  On(ids::StopDataCheck(0), {{ids::StopDataByte(0, 0), "4"}});
  On(ids::StopDataCheck(1), {{ids::StopDataByte(1, 0), "0A"}});
  On(ids::TimestampStopCheck(1));

  const LoggerSettings back = ReadBack();
  EXPECT_EQ(back.STOP_DATA[0].Str(), "0-");
  EXPECT_EQ(back.STOP_DATA[1].Str(), "10A");
  EXPECT_EQ(back.STOP_DATA[2].Str(), "2-");
  EXPECT_EQ(back.TMSP_STOP_DATA[1].Str(), "1-");
  const std::string need = "を有効にするには\r\n1バイト以上の設定データが必要です。\r\n";
  const Box stop{kParameterError, "停止トリガー(データ)" + need + "トリガー無効に変更しました。"};
  const Box stamp{kParameterError,
                  "タイムスタンプ記録 終了条件(データ)" + need + "条件無効に変更しました。"};
  EXPECT_EQ(notifier.boxes, (std::vector<Box>{stop, stop, stamp}));
  // The refused rows are shown off, as written; the others stay on.
  EXPECT_FALSE(pages.Checked(ids::StopDataCheck(2)));
  EXPECT_FALSE(pages.Checked(ids::TimestampStopCheck(1)));
  EXPECT_TRUE(pages.Checked(ids::StopDataCheck(1)));
}

TEST_F(PageBinding, CodesMatchTheChoicesByPrefixAndTheLastMatchWins) {
  // The code; its index among OFF, ON and among ALL, HMS, OFF.
  const std::tuple<const char*, int, int> cases[] = {{"OFF", 0, 2}, {"ON", 1, 0}, {"HMS", 0, 1},
                                                     {"O", 1, 2},   {"", 1, 2},   {"OFFX", 0, 0},
                                                     {"on", 0, 0}};
  for (const auto& [code, modeIndex, typeIndex] : cases) {
    Show([&](auto& s) { s.TMSP_MODE = s.TMSP_TYPE = s.TMSP_SERIAL_NO = code; });
    EXPECT_EQ(pages.ComboIndex(ids::kTimestampModeCombo), modeIndex) << "'" << code << "'";
    EXPECT_EQ(pages.ComboIndex(ids::kTimestampSerialCombo), modeIndex) << "'" << code << "'";
    EXPECT_EQ(pages.ComboIndex(ids::kTimestampTypeCombo), typeIndex) << "'" << code << "'";
  }
}

}  // namespace
}  // namespace km62rx::ui
