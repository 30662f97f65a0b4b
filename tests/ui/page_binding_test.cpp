#include "ui/page_binding.h"

#include <gtest/gtest.h>

#include <string>

#include "device/control_ids.h"
#include "settings/settings_file.h"
#include "ui/memory_page_controls.h"

namespace km62rx::ui {
namespace {

using settings::DefaultSettings;
using settings::LoggerSettings;

constexpr const char* kParameterError = "パラメータエラー";
constexpr const char* kStopDataRefused =
    "停止トリガー(データ)を有効にするには\r\n1バイト以上の設定データが必要です。\r\n"
    "トリガー無効に変更しました。";
constexpr const char* kTimestampStopDataRefused =
    "タイムスタンプ記録 終了条件(データ)を有効にするには\r\n1バイト以上の設定データが必要です。"
    "\r\n条件無効に変更しました。";
constexpr const char* kStopSizeLimited =
    "データサイズトリガーの最大設定値は2000Mバイトです。\r\n2000Mバイトに変更しました。";
constexpr const char* kTimestampSizeLimited =
    "データサイズによるタイムスタンプ記録の終了条件の最大設定値は2000Mバイトです。\r\n"
    "2000Mバイトに変更しました。";
constexpr const char* kLogTimeRaised =
    "ロギング時間トリガーの最小設定値は1秒です。\r\n1秒に変更しました。";

LoggerSettings ReadBack(MemoryPageControls& pages, RecordingNotifier& notifier) {
  LoggerSettings record;
  ReadSettingsFromPages(pages, record, notifier);
  return record;
}

void SetEntries(std::array<settings::DataEntry, 3>& list, std::array<const char*, 3> texts) {
  for (std::size_t i = 0; i < list.size(); ++i)
    list[i] = texts[i];
}

// A record with every kind of setting switched on.
LoggerSettings BusyRecord() {
  LoggerSettings s = DefaultSettings();
  s.FILE_EXTENSION = "a.b";
  SetEntries(s.START_DATA, {"00D0A", "1-", "2"});
  SetEntries(s.STOP_DATA, {"0-", "1FF", "2414243ab"});
  s.START_TIME[0] = "070000";
  s.START_TIME[3] = "300830";
  s.START_TIME[6] = "662359";
  s.STOP_TIME[1] = "111215";
  s.STOP_TIME[5] = "502059";
  s.STOP_IDLETIME = "0100";
  s.STOP_DATASIZE = "2097152000";
  s.STOP_LOGTIME = "863913600";
  s.TMSP_MODE = "ON";
  SetEntries(s.TMSP_START_DATA, {"0-", "1", "20D"});
  SetEntries(s.TMSP_STOP_DATA, {"0AA", "1-", "2-"});
  s.TMSP_STOP_IDLETIME = "999999999";
  s.TMSP_STOP_DATASIZE = "9999";
  s.TMSP_SERIAL_NO = "OFF";
  s.TMSP_TYPE = "HMS";
  s.TMSP_SPLIT = "\\x09";
  s.TMSP_DEL_DATA = "000102030405060708FF";
  return s;
}

TEST(PageBinding, DefaultsResetEveryControl) {
  MemoryPageControls pages;
  RecordingNotifier notifier;
  ShowSettingsOnPages(pages, BusyRecord());
  pages.SetText(ids::StartTimeHour(2), "17");
  pages.SetComboIndex(ids::StopTimeWeekday(4), 3);

  ResetPagesToDefaults(pages);
  for (int r = 0; r < 3; ++r) {
    for (int check : {ids::StartDataCheck(r), ids::StopDataCheck(r), ids::TimestampStartCheck(r),
                      ids::TimestampStopCheck(r)}) {
      EXPECT_FALSE(pages.Checked(check)) << check;
    }
    for (int k = 0; k < 4; ++k) {
      for (int field : {ids::StartDataByte(r, k), ids::StopDataByte(r, k),
                        ids::TimestampStartByte(r, k), ids::TimestampStopByte(r, k)}) {
        EXPECT_EQ(pages.Text(field), "") << field;
      }
    }
  }
  for (int r = 0; r < 7; ++r) {
    EXPECT_FALSE(pages.Checked(ids::StartTimeCheck(r)));
    EXPECT_FALSE(pages.Checked(ids::StopTimeCheck(r)));
    for (int combo : {ids::StartTimeWeekday(r), ids::StopTimeWeekday(r)}) {
      EXPECT_EQ(pages.ComboIndex(combo), 0) << combo;
    }
    for (int field : {ids::StartTimeHour(r), ids::StartTimeMinute(r), ids::StopTimeHour(r),
                      ids::StopTimeMinute(r)}) {
      EXPECT_EQ(pages.Text(field), "0") << field;
    }
  }
  for (int check : {840, 845, 850, 880, 885})
    EXPECT_FALSE(pages.Checked(check)) << check;
  for (int id : {620, 630, 640, 695, 696})
    EXPECT_EQ(pages.Text(id), "1") << id;
  for (int id : {641, 642, 643})
    EXPECT_EQ(pages.Text(id), "0") << id;
  EXPECT_EQ(pages.ComboIndex(330), 0);
  EXPECT_EQ(pages.ComboIndex(340), 0);
  EXPECT_EQ(pages.Text(645), "LOG");
  EXPECT_EQ(pages.ComboIndex(335), 0);
  EXPECT_EQ(pages.ComboIndex(336), 0);
  EXPECT_EQ(pages.ComboIndex(337), 1);
  EXPECT_EQ(pages.Text(646), ",");
  for (int k = 0; k < 10; ++k)
    EXPECT_EQ(pages.Text(ids::ExcludedByte(k)), "");

  // Saved back, the pages give the default record without a message.
  EXPECT_EQ(ReadBack(pages, notifier), DefaultSettings());
  EXPECT_TRUE(notifier.boxes.empty());
}

TEST(PageBinding, RecordRoundTripsThroughThePages) {
  MemoryPageControls pages;
  RecordingNotifier notifier;
  const LoggerSettings record = BusyRecord();
  ShowSettingsOnPages(pages, record);
  LoggerSettings expected = record;
  expected.STOP_IDLETIME = "0100";  // the idle time goes through as text
  EXPECT_EQ(settings::FormatSettingsFile(ReadBack(pages, notifier)),
            settings::FormatSettingsFile(expected));
  EXPECT_TRUE(notifier.boxes.empty());
}

TEST(PageBinding, DataSizeIsShownInTheLargestFittingUnit) {
  struct Case {
    const char* stored;
    const char* shown;
    int unit;
    const char* savedBack;
  };
  const Case cases[] = {
      {"12288", "12", ids::kUnitKByte, "12288"},
      {"10485760", "10", ids::kUnitMByte, "10485760"},
      {"9999", "9999", ids::kUnitByte, "9999"},
      {"12345", "12", ids::kUnitKByte, "12288"},
      {"10000", "10", ids::kUnitKByte, "10240"},
      {"10239999", "9999", ids::kUnitKByte, "10238976"},  // rounds to 10000 K: held at 9999
      {"10240000", "10", ids::kUnitMByte, "10485760"},
      {"2097152000", "2000", ids::kUnitMByte, "2097152000"},
      {"1", "1", ids::kUnitByte, "1"},
  };
  for (const Case& c : cases) {
    for (const auto& [check, field, unit] :
         {std::tuple{845, 630, 330}, std::tuple{885, 696, 340}}) {
      MemoryPageControls pages;
      RecordingNotifier notifier;
      LoggerSettings record = DefaultSettings();
      (field == 630 ? record.STOP_DATASIZE : record.TMSP_STOP_DATASIZE) = c.stored;
      ShowSettingsOnPages(pages, record);
      EXPECT_TRUE(pages.Checked(check));
      EXPECT_EQ(pages.Text(field), c.shown) << c.stored;
      EXPECT_EQ(pages.ComboIndex(unit), c.unit) << c.stored;
      const LoggerSettings back = ReadBack(pages, notifier);
      EXPECT_EQ((field == 630 ? back.STOP_DATASIZE : back.TMSP_STOP_DATASIZE).Str(), c.savedBack)
          << c.stored;
      EXPECT_TRUE(notifier.boxes.empty());
    }
  }
}

TEST(PageBinding, DataSizeAboveTwoThousandMByteIsLimited) {
  struct Case {
    int check;
    int field;
    int unit;
    const char* message;
  };
  for (const Case& c :
       {Case{845, 630, 330, kStopSizeLimited}, Case{885, 696, 340, kTimestampSizeLimited}}) {
    MemoryPageControls pages;
    RecordingNotifier notifier;
    pages.SetChecked(c.check, true);
    pages.SetText(c.field, "2001");
    LoggerSettings back = ReadBack(pages, notifier);
    ASSERT_EQ(notifier.boxes.size(), 1u);
    EXPECT_EQ(notifier.boxes[0].title, kParameterError);
    EXPECT_EQ(notifier.boxes[0].text, c.message);
    EXPECT_EQ(pages.Text(c.field), "2000");
    EXPECT_EQ((c.field == 630 ? back.STOP_DATASIZE : back.TMSP_STOP_DATASIZE).Str(), "2097152000");

    notifier.boxes.clear();
    pages.SetText(c.field, "2000");
    back = ReadBack(pages, notifier);
    EXPECT_TRUE(notifier.boxes.empty());

    // Other units are not limited here.
    pages.SetText(c.field, "9999");
    pages.SetComboIndex(c.unit, ids::kUnitKByte);
    back = ReadBack(pages, notifier);
    EXPECT_TRUE(notifier.boxes.empty());
    EXPECT_EQ((c.field == 630 ? back.STOP_DATASIZE : back.TMSP_STOP_DATASIZE).Str(), "10238976");
  }
}

TEST(PageBinding, LoggingTimeSplitsIntoDaysHoursMinutesSeconds) {
  MemoryPageControls pages;
  RecordingNotifier notifier;
  LoggerSettings record = DefaultSettings();
  record.STOP_LOGTIME = "93784";
  ShowSettingsOnPages(pages, record);
  EXPECT_TRUE(pages.Checked(850));
  EXPECT_EQ(pages.Text(640), "1");
  EXPECT_EQ(pages.Text(641), "2");
  EXPECT_EQ(pages.Text(642), "3");
  EXPECT_EQ(pages.Text(643), "4");
  EXPECT_EQ(ReadBack(pages, notifier).STOP_LOGTIME.Str(), "93784");
  EXPECT_TRUE(notifier.boxes.empty());
}

TEST(PageBinding, LoggingTimeBelowOneSecondIsRaised) {
  MemoryPageControls pages;
  RecordingNotifier notifier;
  pages.SetChecked(850, true);
  for (int id : {640, 641, 642, 643})
    pages.SetText(id, "0");
  EXPECT_EQ(ReadBack(pages, notifier).STOP_LOGTIME.Str(), "1");
  ASSERT_EQ(notifier.boxes.size(), 1u);
  EXPECT_EQ(notifier.boxes[0], (RecordingNotifier::Box{kParameterError, kLogTimeRaised}));
  for (int id : {640, 641, 642, 643})
    EXPECT_EQ(pages.Text(id), "0");
}

TEST(PageBinding, TimeEntriesAndTheWeekdayMapping) {
  // Day code -> combo index when shown, and back when saved.
  const int indexOfCode[8] = {7, 1, 2, 3, 4, 5, 6, 0};
  for (int code = 0; code <= 7; ++code) {
    MemoryPageControls pages;
    RecordingNotifier notifier;
    LoggerSettings record = DefaultSettings();
    record.STOP_TIME[2] = "2" + std::to_string(code) + "0830";
    ShowSettingsOnPages(pages, record);
    EXPECT_TRUE(pages.Checked(ids::StopTimeCheck(2)));
    EXPECT_EQ(pages.ComboIndex(ids::StopTimeWeekday(2)), indexOfCode[code]) << code;
    EXPECT_EQ(pages.Text(ids::StopTimeHour(2)), "08");
    EXPECT_EQ(pages.Text(ids::StopTimeMinute(2)), "30");
    EXPECT_EQ(ReadBack(pages, notifier).STOP_TIME[2], record.STOP_TIME[2]) << code;
  }

  MemoryPageControls pages;
  LoggerSettings record = DefaultSettings();
  record.START_TIME[3] = "300830";  // Sunday 08:30
  record.START_TIME[4] = "4x1200";  // not a day code: every day
  record.START_TIME[5] = "591200";
  ShowSettingsOnPages(pages, record);
  EXPECT_EQ(pages.ComboIndex(ids::StartTimeWeekday(3)), 7);
  EXPECT_EQ(pages.ComboIndex(ids::StartTimeWeekday(4)), 0);
  EXPECT_EQ(pages.ComboIndex(ids::StartTimeWeekday(5)), 0);

  // Fields are read with the atoi rule and written with two digits.
  RecordingNotifier notifier;
  pages.SetChecked(ids::StartTimeCheck(6), true);
  pages.SetComboIndex(ids::StartTimeWeekday(6), 2);
  pages.SetText(ids::StartTimeHour(6), "8");
  pages.SetText(ids::StartTimeMinute(6), "");
  EXPECT_EQ(ReadBack(pages, notifier).START_TIME[6].Str(), "620800");
}

TEST(PageBinding, TimeFieldsOutsideTheirRangeStillGiveAWellFormedEntry) {
  MemoryPageControls pages;
  RecordingNotifier notifier;
  pages.SetChecked(ids::StopTimeCheck(0), true);
  pages.SetText(ids::StopTimeHour(0), "99");
  pages.SetText(ids::StopTimeMinute(0), "-5");
  EXPECT_EQ(ReadBack(pages, notifier).STOP_TIME[0].Str(), "072300");
}

TEST(PageBinding, DataEntriesAreSpreadOverTheHexFields) {
  MemoryPageControls pages;
  LoggerSettings record = DefaultSettings();
  record.START_DATA[1] = "1414";
  record.TMSP_DEL_DATA = "0D0";
  ShowSettingsOnPages(pages, record);
  EXPECT_TRUE(pages.Checked(ids::StartDataCheck(1)));
  EXPECT_EQ(pages.Text(ids::StartDataByte(1, 0)), "41");
  EXPECT_EQ(pages.Text(ids::StartDataByte(1, 1)), "4");
  EXPECT_EQ(pages.Text(ids::StartDataByte(1, 2)), "");
  EXPECT_EQ(pages.Text(ids::ExcludedByte(0)), "0D");
  EXPECT_EQ(pages.Text(ids::ExcludedByte(1)), "0");

  // Saved back, a field that is not two characters ends the bytes.
  RecordingNotifier notifier;
  const LoggerSettings back = ReadBack(pages, notifier);
  EXPECT_EQ(back.START_DATA[1].Str(), "141");
  EXPECT_EQ(back.TMSP_DEL_DATA.Str(), "0D");
}

TEST(PageBinding, StartEntriesTakeBytesUpToTheFirstShortField) {
  MemoryPageControls pages;
  RecordingNotifier notifier;
  pages.SetChecked(ids::StartDataCheck(0), true);
  pages.SetText(ids::StartDataByte(0, 0), "41");
  pages.SetText(ids::StartDataByte(0, 2), "42");
  pages.SetChecked(ids::TimestampStartCheck(2), true);  // no bytes: on with none
  LoggerSettings back = ReadBack(pages, notifier);
  EXPECT_EQ(back.START_DATA[0].Str(), "041");
  EXPECT_EQ(back.TMSP_START_DATA[2].Str(), "2");

  pages.SetText(ids::StartDataByte(0, 0), "");
  pages.SetText(ids::StartDataByte(0, 2), "");
  back = ReadBack(pages, notifier);
  EXPECT_EQ(back.START_DATA[0].Str(), "0");
  EXPECT_TRUE(notifier.boxes.empty());
}

TEST(PageBinding, StopEntriesWithoutAByteAreRefusedOncePerRow) {
  MemoryPageControls pages;
  RecordingNotifier notifier;
  pages.SetChecked(ids::StopDataCheck(2), true);
  pages.SetText(ids::StopDataByte(2, 1), "41");
  pages.SetText(ids::StopDataByte(2, 2), "42");
  pages.SetChecked(ids::StopDataCheck(0), true);
  pages.SetText(ids::StopDataByte(0, 0), "4");
  pages.SetChecked(ids::StopDataCheck(1), true);
  pages.SetText(ids::StopDataByte(1, 0), "0A");
  pages.SetChecked(ids::TimestampStopCheck(1), true);

  const LoggerSettings back = ReadBack(pages, notifier);
  EXPECT_EQ(back.STOP_DATA[0].Str(), "0-");
  EXPECT_EQ(back.STOP_DATA[1].Str(), "10A");
  EXPECT_EQ(back.STOP_DATA[2].Str(), "2-");
  EXPECT_EQ(back.TMSP_STOP_DATA[1].Str(), "1-");
  const std::vector<RecordingNotifier::Box> expected = {
      {kParameterError, kStopDataRefused},
      {kParameterError, kStopDataRefused},
      {kParameterError, kTimestampStopDataRefused},
  };
  EXPECT_EQ(notifier.boxes, expected);
  EXPECT_TRUE(pages.Checked(ids::StopDataCheck(2)));
  EXPECT_TRUE(pages.Checked(ids::TimestampStopCheck(1)));
}

TEST(PageBinding, ChoiceCombosGiveTheirCodes) {
  MemoryPageControls pages;
  RecordingNotifier notifier;
  pages.SetComboIndex(336, 2);
  EXPECT_EQ(ReadBack(pages, notifier).TMSP_TYPE.Str(), "OFF");
  pages.SetComboIndex(336, 1);
  EXPECT_EQ(ReadBack(pages, notifier).TMSP_TYPE.Str(), "HMS");
  pages.SetComboIndex(335, 1);
  pages.SetComboIndex(337, 0);
  const LoggerSettings back = ReadBack(pages, notifier);
  EXPECT_EQ(back.TMSP_MODE.Str(), "ON");
  EXPECT_EQ(back.TMSP_SERIAL_NO.Str(), "OFF");
}

TEST(PageBinding, CodesMatchTheChoicesByPrefixAndTheLastMatchWins) {
  struct Case {
    const char* code;
    int modeIndex;  // OFF, ON
    int typeIndex;  // ALL, HMS, OFF
  };
  const Case cases[] = {
      {"OFF", 0, 2}, {"ON", 1, 0},   {"ALL", 0, 0}, {"HMS", 0, 1}, {"O", 1, 2},
      {"", 1, 2},    {"OFFX", 0, 0}, {"on", 0, 0},  {"H", 0, 1},
  };
  for (const Case& c : cases) {
    MemoryPageControls pages;
    LoggerSettings record = DefaultSettings();
    record.TMSP_MODE = c.code;
    record.TMSP_TYPE = c.code;
    record.TMSP_SERIAL_NO = c.code;
    ShowSettingsOnPages(pages, record);
    EXPECT_EQ(pages.ComboIndex(335), c.modeIndex) << "'" << c.code << "'";
    EXPECT_EQ(pages.ComboIndex(337), c.modeIndex) << "'" << c.code << "'";
    EXPECT_EQ(pages.ComboIndex(336), c.typeIndex) << "'" << c.code << "'";
  }
}

TEST(PageBinding, TextFieldsGoThroughUnchanged) {
  MemoryPageControls pages;
  RecordingNotifier notifier;
  pages.SetText(645, "Ax");
  pages.SetText(646, "ab");
  pages.SetChecked(840, true);
  pages.SetText(620, "007");
  const LoggerSettings back = ReadBack(pages, notifier);
  EXPECT_EQ(back.FILE_EXTENSION.Str(), "Ax");
  EXPECT_EQ(back.TMSP_SPLIT.Str(), "ab");
  EXPECT_EQ(back.STOP_IDLETIME.Str(), "007");
  EXPECT_EQ(back.TIME_CALENDAR.Str(), "180101000000");
  EXPECT_EQ(back.TIME_SET, 1);
}

}  // namespace
}  // namespace km62rx::ui
