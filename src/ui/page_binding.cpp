#include "ui/page_binding.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "device/control_ids.h"
#include "device/field_limits.h"
#include "ui/decimal_text.h"

namespace km62rx::ui {
namespace {

using settings::Choice;
using settings::LoggerSettings;

constexpr std::string_view kParameterErrorTitle = "パラメータエラー";
constexpr std::string_view kStopDataRefused =
    "停止トリガー(データ)を有効にするには\r\n1バイト以上の設定データが必要です。\r\n"
    "トリガー無効に変更しました。";
constexpr std::string_view kTimestampStopDataRefused =
    "タイムスタンプ記録 終了条件(データ)を有効にするには\r\n1バイト以上の設定データが必要です。"
    "\r\n条件無効に変更しました。";
constexpr std::string_view kStopSizeLimited =
    "データサイズトリガーの最大設定値は2000Mバイトです。\r\n2000Mバイトに変更しました。";
constexpr std::string_view kTimestampSizeLimited =
    "データサイズによるタイムスタンプ記録の終了条件の最大設定値は2000Mバイトです。\r\n"
    "2000Mバイトに変更しました。";
constexpr std::string_view kLogTimeRaised =
    "ロギング時間トリガーの最小設定値は1秒です。\r\n1秒に変更しました。";

constexpr int kBytesPerRow = 4;
constexpr int kLargestSizeInMByte = 2000;
constexpr std::int64_t kMByte = 1048576;
constexpr std::int64_t kKByte = 1024;

// Control texts are read as into a 100-byte buffer.
std::string ReadField(const device::PageControls& pages, int id) {
  std::string text = pages.Text(id);
  if (text.size() > 99)
    text.resize(99);
  return text;
}

std::string EntryOff(int r) {
  return FormatDecimal(r) + "-";
}

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// ---------------------------------------------------------------------------
// Record to pages.

// Puts text into consecutive fields two characters at a time, from firstId
// on, stopping at the end of the text or after count fields.
void SpreadPairs(device::PageControls& pages, std::string_view text, int firstId, int count) {
  for (int k = 0; k < count; ++k)
    pages.SetText(firstId + k, "");
  for (int k = 0; k < count && !text.empty(); ++k) {
    pages.SetText(firstId + k, text.substr(0, 2));
    text.remove_prefix(std::min<std::size_t>(2, text.size()));
  }
}

void ShowDataEntry(device::PageControls& pages, const settings::DataEntry& entry, int checkId,
                   int firstByteId) {
  SpreadPairs(pages, {}, firstByteId, kBytesPerRow);
  if (entry.At(1) == '-') {
    pages.SetChecked(checkId, false);
    return;
  }
  pages.SetChecked(checkId, true);
  const std::string_view text = entry.View();
  SpreadPairs(pages, text.size() > 1 ? text.substr(1) : std::string_view(), firstByteId,
              kBytesPerRow);
}

void ResetTimeRow(device::PageControls& pages, int weekdayId, int hourId, int minuteId) {
  pages.SetComboIndex(weekdayId, 0);
  pages.SetText(hourId, "0");
  pages.SetText(minuteId, "0");
}

void ShowTimeEntry(device::PageControls& pages, const settings::TimeEntry& entry, int checkId,
                   int weekdayId, int hourId, int minuteId) {
  if (entry.At(1) == '-') {
    pages.SetChecked(checkId, false);
    return;
  }
  pages.SetChecked(checkId, true);
  const char day = entry.At(1);
  pages.SetComboIndex(weekdayId, day >= '0' && day <= '7' ? ids::WeekdayIndex(day - '0') : 0);
  const std::string_view text = entry.View();
  pages.SetText(hourId, text.size() > 2 ? text.substr(2, 2) : std::string_view());
  pages.SetText(minuteId, text.size() > 4 ? text.substr(4, 2) : std::string_view());
}

void ShowIdleTime(device::PageControls& pages, const settings::NumberText& value, int checkId,
                  int fieldId) {
  pages.SetText(fieldId, "1");
  if (value.At(0) == '-') {
    pages.SetChecked(checkId, false);
    return;
  }
  pages.SetChecked(checkId, true);
  pages.SetText(fieldId, value.View());
}

void ShowDataSize(device::PageControls& pages, const settings::NumberText& value, int checkId,
                  int fieldId, int unitId) {
  pages.SetText(fieldId, "1");
  pages.SetComboIndex(unitId, ids::kUnitMByte);
  if (value.At(0) == '-') {
    pages.SetChecked(checkId, false);
    return;
  }
  pages.SetChecked(checkId, true);
  const device::SizeOnPage shown = device::SizeShownOnPage(UnsignedDecimalValue(value.View()));
  pages.SetComboIndex(unitId, shown.unit);
  pages.SetText(fieldId, FormatDecimal(shown.value));
}

void ShowLogTime(device::PageControls& pages, const settings::NumberText& value) {
  pages.SetText(ids::kLogDays, "1");
  pages.SetText(ids::kLogHours, "0");
  pages.SetText(ids::kLogMinutes, "0");
  pages.SetText(ids::kLogSeconds, "0");
  if (value.At(0) == '-') {
    pages.SetChecked(ids::kStopLogTimeCheck, false);
    return;
  }
  pages.SetChecked(ids::kStopLogTimeCheck, true);
  const int seconds = DecimalValue(value.View());
  pages.SetText(ids::kLogDays, FormatDecimal(seconds / 86400));
  pages.SetText(ids::kLogHours, FormatDecimal(seconds % 86400 / 3600));
  pages.SetText(ids::kLogMinutes, FormatDecimal(seconds % 3600 / 60));
  pages.SetText(ids::kLogSeconds, FormatDecimal(seconds % 60));
}

// Every row whose code begins with the record's text selects its index; the
// last such row wins, and index 0 stays when none does.
void ShowChoice(device::PageControls& pages, std::string_view code, std::span<const Choice> table,
                int comboId) {
  pages.SetComboIndex(comboId, 0);
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].code.starts_with(code)) {
      pages.SetComboIndex(comboId, static_cast<int>(i));
    }
  }
}

// ---------------------------------------------------------------------------
// Pages to record.

// The texts of consecutive fields that hold exactly two characters each,
// up to the first one that does not.
std::string PairsFromFields(const device::PageControls& pages, int firstId, int count) {
  std::string pairs;
  for (int k = 0; k < count; ++k) {
    const std::string text = ReadField(pages, firstId + k);
    if (text.size() != 2)
      break;
    pairs += text;
  }
  return pairs;
}

std::string ReadStartDataEntry(const device::PageControls& pages, int r, int checkId,
                               int firstByteId) {
  if (!pages.Checked(checkId))
    return EntryOff(r);
  return FormatDecimal(r) + PairsFromFields(pages, firstByteId, kBytesPerRow);
}

// A stop condition on data needs at least one byte: a checked row without
// one is stored as off, with a message, and its check box is cleared so the
// page shows what is written.
std::string ReadStopDataEntry(device::PageControls& pages, int r, int checkId, int firstByteId,
                              std::string_view refusal, Notifier& notifier) {
  if (!pages.Checked(checkId))
    return EntryOff(r);
  const std::string pairs = PairsFromFields(pages, firstByteId, kBytesPerRow);
  if (pairs.empty()) {
    notifier.Show(kParameterErrorTitle, refusal);
    pages.SetChecked(checkId, false);
    return EntryOff(r);
  }
  return FormatDecimal(r) + pairs;
}

// A time field's value, kept within the field's own range so that the entry
// always has its six characters.
int TimeFieldValue(const device::PageControls& pages, int id, int maximum) {
  return std::clamp(DecimalValue(ReadField(pages, id)), 0, maximum);
}

std::string ReadTimeEntry(const device::PageControls& pages, int r, int checkId, int weekdayId,
                          int hourId, int minuteId) {
  if (!pages.Checked(checkId))
    return EntryOff(r);
  int index = pages.ComboIndex(weekdayId);
  if (index < 0 || index > 7)
    index = 0;
  return FormatDecimal(r) + FormatDecimal(ids::WeekdayCode(index)) +
         FormatTwoDigits(TimeFieldValue(pages, hourId, 23)) +
         FormatTwoDigits(TimeFieldValue(pages, minuteId, 59));
}

std::string ReadIdleTime(const device::PageControls& pages, int checkId, int fieldId) {
  if (!pages.Checked(checkId))
    return "-";
  return ReadField(pages, fieldId);
}

std::string ReadDataSize(device::PageControls& pages, int checkId, int fieldId, int unitId,
                         std::string_view limitMessage, Notifier& notifier) {
  if (!pages.Checked(checkId))
    return "-";
  std::int64_t size = DecimalValue(ReadField(pages, fieldId));
  switch (pages.ComboIndex(unitId)) {
    case ids::kUnitMByte:
      if (size > kLargestSizeInMByte) {
        notifier.Show(kParameterErrorTitle, limitMessage);
        pages.SetText(fieldId, FormatDecimal(kLargestSizeInMByte));
        size = kLargestSizeInMByte;
      }
      size *= kMByte;
      break;
    case ids::kUnitKByte:
      size *= kKByte;
      break;
    default:
      break;
  }
  return FormatDecimal(ClampToInt(size));
}

std::string ReadLogTime(device::PageControls& pages, Notifier& notifier) {
  if (!pages.Checked(ids::kStopLogTimeCheck))
    return "-";
  // At most 9999 days, silently, as leaving the fields keeps it.
  device::KeepLogTimeWithinLimit(pages);
  const std::int64_t days = DecimalValue(ReadField(pages, ids::kLogDays));
  const std::int64_t hours = DecimalValue(ReadField(pages, ids::kLogHours));
  const std::int64_t minutes = DecimalValue(ReadField(pages, ids::kLogMinutes));
  const std::int64_t seconds = DecimalValue(ReadField(pages, ids::kLogSeconds));
  // Each part is an int, so the sum stays far inside 64 bits.
  int total = ClampToInt(((days * 24 + hours) * 60 + minutes) * 60 + seconds);
  if (total < 1) {
    notifier.Show(kParameterErrorTitle, kLogTimeRaised);
    total = 1;
  }
  return FormatDecimal(total);
}

std::string ReadChoice(const device::PageControls& pages, int comboId,
                       std::span<const Choice> table, std::string_view current) {
  const int index = pages.ComboIndex(comboId);
  if (index < 0 || static_cast<std::size_t>(index) >= table.size())
    return std::string(current);
  return std::string(table[static_cast<std::size_t>(index)].code);
}

int RowCount(int which, int entries) {
  return std::min(device::PageRows{}.rowCount[static_cast<std::size_t>(which)], entries);
}

}  // namespace

void ShowSettingsOnPages(device::PageControls& pages, LoggerSettings settings) {
  using namespace ids;
  for (int r = 0; r < RowCount(device::kRowsStartData, settings::kDataEntryCount); ++r) {
    ShowDataEntry(pages, settings.START_DATA[r], StartDataCheck(r), StartDataByte(r, 0));
    ShowDataEntry(pages, settings.STOP_DATA[r], StopDataCheck(r), StopDataByte(r, 0));
  }
  for (int r = 0; r < RowCount(device::kRowsStartTime, settings::kTimeEntryCount); ++r) {
    ResetTimeRow(pages, StartTimeWeekday(r), StartTimeHour(r), StartTimeMinute(r));
    ResetTimeRow(pages, StopTimeWeekday(r), StopTimeHour(r), StopTimeMinute(r));
    ShowTimeEntry(pages, settings.START_TIME[r], StartTimeCheck(r), StartTimeWeekday(r),
                  StartTimeHour(r), StartTimeMinute(r));
    ShowTimeEntry(pages, settings.STOP_TIME[r], StopTimeCheck(r), StopTimeWeekday(r),
                  StopTimeHour(r), StopTimeMinute(r));
  }
  ShowIdleTime(pages, settings.STOP_IDLETIME, kStopIdleCheck, kStopIdleField);
  ShowDataSize(pages, settings.STOP_DATASIZE, kStopSizeCheck, kStopSizeField, kStopSizeUnit);
  ShowLogTime(pages, settings.STOP_LOGTIME);
  pages.SetText(kExtensionField, settings.FILE_EXTENSION.View());
  ShowChoice(pages, settings.TMSP_MODE.View(), settings::OnOffChoices, kTimestampModeCombo);
  for (int r = 0; r < RowCount(device::kRowsTimestampStart, settings::kDataEntryCount); ++r) {
    ShowDataEntry(pages, settings.TMSP_START_DATA[r], TimestampStartCheck(r),
                  TimestampStartByte(r, 0));
    ShowDataEntry(pages, settings.TMSP_STOP_DATA[r], TimestampStopCheck(r),
                  TimestampStopByte(r, 0));
  }
  ShowIdleTime(pages, settings.TMSP_STOP_IDLETIME, kTimestampIdleCheck, kTimestampIdleField);
  ShowDataSize(pages, settings.TMSP_STOP_DATASIZE, kTimestampSizeCheck, kTimestampSizeField,
               kTimestampSizeUnit);
  ShowChoice(pages, settings.TMSP_SERIAL_NO.View(), settings::OnOffChoices, kTimestampSerialCombo);
  ShowChoice(pages, settings.TMSP_TYPE.View(), settings::TimestampTypeChoices, kTimestampTypeCombo);
  pages.SetText(kSeparatorField, settings.TMSP_SPLIT.View());
  SpreadPairs(pages, settings.TMSP_DEL_DATA.View(), ExcludedByte(0), settings::kExcludedDataBytes);
}

void ResetPagesToDefaults(device::PageControls& pages) {
  ShowSettingsOnPages(pages, settings::DefaultSettings());
}

int ReadSettingsFromPages(device::PageControls& pages, LoggerSettings& settings, Notifier& boxes) {
  using namespace ids;
  // One message per limit applied.
  ReportTally notifier(boxes);
  settings::MakeDefaultSettings(settings);
  for (int r = 0; r < RowCount(device::kRowsStartData, settings::kDataEntryCount); ++r) {
    settings.START_DATA[r] = ReadStartDataEntry(pages, r, StartDataCheck(r), StartDataByte(r, 0));
    settings.STOP_DATA[r] = ReadStopDataEntry(pages, r, StopDataCheck(r), StopDataByte(r, 0),
                                              kStopDataRefused, notifier);
  }
  for (int r = 0; r < RowCount(device::kRowsStartTime, settings::kTimeEntryCount); ++r) {
    settings.START_TIME[r] = ReadTimeEntry(pages, r, StartTimeCheck(r), StartTimeWeekday(r),
                                           StartTimeHour(r), StartTimeMinute(r));
    settings.STOP_TIME[r] = ReadTimeEntry(pages, r, StopTimeCheck(r), StopTimeWeekday(r),
                                          StopTimeHour(r), StopTimeMinute(r));
  }
  settings.STOP_IDLETIME = ReadIdleTime(pages, kStopIdleCheck, kStopIdleField);
  settings.STOP_DATASIZE = ReadDataSize(pages, kStopSizeCheck, kStopSizeField, kStopSizeUnit,
                                        kStopSizeLimited, notifier);
  settings.STOP_LOGTIME = ReadLogTime(pages, notifier);
  settings.FILE_EXTENSION = ReadField(pages, kExtensionField);
  settings.TMSP_MODE =
      ReadChoice(pages, kTimestampModeCombo, settings::OnOffChoices, settings.TMSP_MODE.View());
  for (int r = 0; r < RowCount(device::kRowsTimestampStart, settings::kDataEntryCount); ++r) {
    settings.TMSP_START_DATA[r] =
        ReadStartDataEntry(pages, r, TimestampStartCheck(r), TimestampStartByte(r, 0));
    settings.TMSP_STOP_DATA[r] =
        ReadStopDataEntry(pages, r, TimestampStopCheck(r), TimestampStopByte(r, 0),
                          kTimestampStopDataRefused, notifier);
  }
  settings.TMSP_STOP_IDLETIME = ReadIdleTime(pages, kTimestampIdleCheck, kTimestampIdleField);
  settings.TMSP_STOP_DATASIZE = ReadDataSize(pages, kTimestampSizeCheck, kTimestampSizeField,
                                             kTimestampSizeUnit, kTimestampSizeLimited, notifier);
  settings.TMSP_SERIAL_NO = ReadChoice(pages, kTimestampSerialCombo, settings::OnOffChoices,
                                       settings.TMSP_SERIAL_NO.View());
  settings.TMSP_TYPE = ReadChoice(pages, kTimestampTypeCombo, settings::TimestampTypeChoices,
                                  settings.TMSP_TYPE.View());
  settings.TMSP_SPLIT = ReadField(pages, kSeparatorField);
  settings.TMSP_DEL_DATA = PairsFromFields(pages, ExcludedByte(0), settings::kExcludedDataBytes);
  return notifier.count();
}

}  // namespace km62rx::ui
