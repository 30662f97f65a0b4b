#include "ui/page_binding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "device/field_limits.h"
#include "settings/reader_messages.h"
#include "settings/setting_table.h"
#include "ui/decimal_text.h"

namespace km62rx::ui {
namespace {

using settings::LoggerSettings;

using settings::kParameterErrorTitle;

using settings::CodeSetting;
using settings::DataRowsSetting;
using settings::IdleSetting;
using settings::LogTimeSetting;
using settings::SizeSetting;
using settings::TimeRowsSetting;

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

std::array<int, ids::kBytesPerDataRow> RowBytes(const DataRowsSetting& setting, int r) {
  std::array<int, ids::kBytesPerDataRow> fields{};
  for (int k = 0; k < ids::kBytesPerDataRow; ++k)
    fields[k] = setting.byteField(r, k);
  return fields;
}

std::array<int, settings::kExcludedDataBytes> ExcludedBytes() {
  std::array<int, settings::kExcludedDataBytes> fields{};
  for (int k = 0; k < settings::kExcludedDataBytes; ++k)
    fields[k] = settings::kExcludedData.byteField(k);
  return fields;
}

// The rows of a repeated setting the record holds.
template <typename Setting, typename Entries>
int RowCount(const Setting& setting, const Entries& entries) {
  return std::min(setting.rows, static_cast<int>(entries.size()));
}

// ---------------------------------------------------------------------------
// Record to pages.

// Puts text into the fields two characters at a time, stopping at the end
// of the text.
void SpreadPairs(device::PageControls& pages, std::string_view text, std::span<const int> fields) {
  for (const int id : fields)
    pages.SetText(id, "");
  for (std::size_t k = 0; k < fields.size() && !text.empty(); ++k) {
    pages.SetText(fields[k], text.substr(0, 2));
    text.remove_prefix(std::min<std::size_t>(2, text.size()));
  }
}

template <std::size_t N>
void ShowDataRows(device::PageControls& pages, const std::array<settings::DataEntry, N>& entries,
                  const DataRowsSetting& setting) {
  for (int r = 0; r < RowCount(setting, entries); ++r) {
    const auto fields = RowBytes(setting, r);
    SpreadPairs(pages, {}, fields);
    if (entries[r].At(1) == '-') {
      pages.SetChecked(setting.check(r), false);
      continue;
    }
    pages.SetChecked(setting.check(r), true);
    const std::string_view text = entries[r].View();
    SpreadPairs(pages, text.size() > 1 ? text.substr(1) : std::string_view(), fields);
  }
}

void ResetTimeRow(device::PageControls& pages, const TimeRowsSetting& setting, int r) {
  pages.SetComboIndex(setting.weekday(r), 0);
  pages.SetText(setting.hour(r), "0");
  pages.SetText(setting.minute(r), "0");
}

void ShowTimeEntry(device::PageControls& pages, const settings::TimeEntry& entry,
                   const TimeRowsSetting& setting, int r) {
  if (entry.At(1) == '-') {
    pages.SetChecked(setting.check(r), false);
    return;
  }
  pages.SetChecked(setting.check(r), true);
  const char day = entry.At(1);
  pages.SetComboIndex(setting.weekday(r),
                      day >= '0' && day <= '7' ? ids::WeekdayIndex(day - '0') : 0);
  const std::string_view text = entry.View();
  pages.SetText(setting.hour(r), text.size() > 2 ? text.substr(2, 2) : std::string_view());
  pages.SetText(setting.minute(r), text.size() > 4 ? text.substr(4, 2) : std::string_view());
}

// Shows a number setting: off, or on with show filling its fields.
template <typename Setting, typename Show>
void ShowNumber(device::PageControls& pages, const settings::NumberText& value,
                const Setting& setting, Show show) {
  if (value.At(0) == '-') {
    pages.SetChecked(setting.check, false);
    return;
  }
  pages.SetChecked(setting.check, true);
  show();
}

void ShowIdleTime(device::PageControls& pages, const settings::NumberText& value,
                  const IdleSetting& setting) {
  pages.SetText(setting.field, "1");
  ShowNumber(pages, value, setting, [&] { pages.SetText(setting.field, value.View()); });
}

void ShowDataSize(device::PageControls& pages, const settings::NumberText& value,
                  const SizeSetting& setting) {
  pages.SetText(setting.field, "1");
  pages.SetComboIndex(setting.unit, ids::kUnitMByte);
  ShowNumber(pages, value, setting, [&] {
    const settings::SizeOnPage shown =
        settings::SizeShownOnPage(UnsignedDecimalValue(value.View()));
    pages.SetComboIndex(setting.unit, shown.unit);
    pages.SetText(setting.field, FormatDecimal(shown.value));
  });
}

void ShowLogTime(device::PageControls& pages, const settings::NumberText& value,
                 const LogTimeSetting& setting) {
  const auto& [days, hours, minutes, seconds] = setting.fields;
  pages.SetText(days, "1");
  pages.SetText(hours, "0");
  pages.SetText(minutes, "0");
  pages.SetText(seconds, "0");
  // The lambda names the fields through the setting: a structured binding
  // cannot be captured by every compiler we build with.
  ShowNumber(pages, value, setting, [&pages, &value, &setting] {
    const auto& [days, hours, minutes, seconds] = setting.fields;
    const int total = DecimalValue(value.View());
    pages.SetText(days, FormatDecimal(total / settings::kSecondsPerDay));
    pages.SetText(hours,
                  FormatDecimal(total % settings::kSecondsPerDay / settings::kSecondsPerHour));
    pages.SetText(minutes,
                  FormatDecimal(total % settings::kSecondsPerHour / settings::kSecondsPerMinute));
    pages.SetText(seconds, FormatDecimal(total % settings::kSecondsPerMinute));
  });
}

// Every row whose code begins with the record's text selects its index; the
// last such row wins, and index 0 stays when none does.
void ShowChoice(device::PageControls& pages, std::string_view code, const CodeSetting& setting) {
  pages.SetComboIndex(setting.combo, 0);
  for (std::size_t i = 0; i < setting.choices.size(); ++i) {
    if (setting.choices[i].code.starts_with(code)) {
      pages.SetComboIndex(setting.combo, static_cast<int>(i));
    }
  }
}

// ---------------------------------------------------------------------------
// Pages to record.

// The texts of the fields that hold exactly two characters each, up to the
// first one that does not.
std::string PairsFromFields(const device::PageControls& pages, std::span<const int> fields) {
  std::string pairs;
  for (const int id : fields) {
    const std::string text = ReadField(pages, id);
    if (text.size() != 2)
      break;
    pairs += text;
  }
  return pairs;
}

// A stop condition on data needs at least one byte: a checked row without
// one is stored as off, with a message, and its check box is cleared so the
// page shows what is written. Start settings take a row without bytes.
template <std::size_t N>
void ReadDataRows(device::PageControls& pages, std::array<settings::DataEntry, N>& entries,
                  const DataRowsSetting& setting, Notifier& notifier) {
  for (int r = 0; r < RowCount(setting, entries); ++r) {
    if (!pages.Checked(setting.check(r))) {
      entries[r] = EntryOff(r);
      continue;
    }
    const std::string pairs = PairsFromFields(pages, RowBytes(setting, r));
    if (pairs.empty() && !setting.saveRefusal.japanese.empty()) {
      notifier.Show(kParameterErrorTitle.Get(), setting.saveRefusal.Get());
      pages.SetChecked(setting.check(r), false);
      entries[r] = EntryOff(r);
      continue;
    }
    entries[r] = FormatDecimal(r) + pairs;
  }
}

// A time field's value, kept within the field's own range so that the entry
// always has its six characters.
int TimeFieldValue(const device::PageControls& pages, int id) {
  return std::clamp(DecimalValue(ReadField(pages, id)), 0,
                    settings::NumericFieldRange(id)->maximum);
}

template <std::size_t N>
void ReadTimeRows(const device::PageControls& pages, std::array<settings::TimeEntry, N>& entries,
                  const TimeRowsSetting& setting) {
  for (int r = 0; r < RowCount(setting, entries); ++r) {
    if (!pages.Checked(setting.check(r))) {
      entries[r] = EntryOff(r);
      continue;
    }
    int index = pages.ComboIndex(setting.weekday(r));
    if (index < 0 || index > 7)
      index = 0;
    entries[r] = FormatDecimal(r) + FormatDecimal(ids::WeekdayCode(index)) +
                 FormatTwoDigits(TimeFieldValue(pages, setting.hour(r))) +
                 FormatTwoDigits(TimeFieldValue(pages, setting.minute(r)));
  }
}

std::string ReadIdleTime(const device::PageControls& pages, const IdleSetting& setting) {
  if (!pages.Checked(setting.check))
    return "-";
  return ReadField(pages, setting.field);
}

std::string ReadDataSize(device::PageControls& pages, const SizeSetting& setting,
                         Notifier& notifier) {
  if (!pages.Checked(setting.check))
    return "-";
  std::int64_t size = DecimalValue(ReadField(pages, setting.field));
  const int unit = pages.ComboIndex(setting.unit);
  if (unit == ids::kUnitMByte && size > settings::kLargestSizeInMByte) {
    notifier.Show(kParameterErrorTitle.Get(), setting.saveLimited.Get());
    pages.SetText(setting.field, FormatDecimal(settings::kLargestSizeInMByte));
    size = settings::kLargestSizeInMByte;
  }
  return FormatDecimal(ClampToInt(settings::SizeInBytes(size, unit)));
}

std::string ReadLogTime(device::PageControls& pages, const LogTimeSetting& setting,
                        Notifier& notifier) {
  if (!pages.Checked(setting.check))
    return "-";
  // At most the largest days, silently, as leaving the fields keeps it.
  device::KeepLogTimeWithinLimit(pages);
  constexpr std::int64_t kSecondsPer[] = {settings::kSecondsPerDay, settings::kSecondsPerHour,
                                          settings::kSecondsPerMinute, 1};
  // Each part is an int, so the sum stays far inside 64 bits.
  std::int64_t sum = 0;
  for (std::size_t k = 0; k < setting.fields.size(); ++k)
    sum += DecimalValue(ReadField(pages, setting.fields[k])) * kSecondsPer[k];
  int total = ClampToInt(sum);
  if (total < 1) {
    notifier.Show(kParameterErrorTitle.Get(), setting.saveRaised.Get());
    total = 1;
  }
  return FormatDecimal(total);
}

std::string ReadChoice(const device::PageControls& pages, const CodeSetting& setting,
                       std::string_view current) {
  const int index = pages.ComboIndex(setting.combo);
  if (index < 0 || static_cast<std::size_t>(index) >= setting.choices.size())
    return std::string(current);
  return std::string(setting.choices[static_cast<std::size_t>(index)].code);
}

}  // namespace

void ShowSettingsOnPages(device::PageControls& pages, LoggerSettings record) {
  using namespace settings;
  ShowDataRows(pages, record.START_DATA, kStartData);
  ShowDataRows(pages, record.STOP_DATA, kStopData);
  for (int r = 0; r < RowCount(kStartTime, record.START_TIME); ++r) {
    ResetTimeRow(pages, kStartTime, r);
    ResetTimeRow(pages, kStopTime, r);
    ShowTimeEntry(pages, record.START_TIME[r], kStartTime, r);
    ShowTimeEntry(pages, record.STOP_TIME[r], kStopTime, r);
  }
  ShowIdleTime(pages, record.STOP_IDLETIME, kStopIdle);
  ShowDataSize(pages, record.STOP_DATASIZE, kStopSize);
  ShowLogTime(pages, record.STOP_LOGTIME, kStopLogTime);
  pages.SetText(kExtension.field, record.FILE_EXTENSION.View());
  ShowChoice(pages, record.TMSP_MODE.View(), kTimestampMode);
  ShowDataRows(pages, record.TMSP_START_DATA, kTimestampStart);
  ShowDataRows(pages, record.TMSP_STOP_DATA, kTimestampStop);
  ShowIdleTime(pages, record.TMSP_STOP_IDLETIME, kTimestampIdle);
  ShowDataSize(pages, record.TMSP_STOP_DATASIZE, kTimestampSize);
  ShowChoice(pages, record.TMSP_SERIAL_NO.View(), kTimestampSerial);
  ShowChoice(pages, record.TMSP_TYPE.View(), kTimestampType);
  pages.SetText(kSeparator.field, record.TMSP_SPLIT.View());
  SpreadPairs(pages, record.TMSP_DEL_DATA.View(), ExcludedBytes());
}

void ResetPagesToDefaults(device::PageControls& pages) {
  ShowSettingsOnPages(pages, settings::DefaultSettings());
}

int ReadSettingsFromPages(device::PageControls& pages, LoggerSettings& record, Notifier& boxes) {
  // One message per limit applied.
  ReportTally notifier(boxes);
  using namespace settings;
  MakeDefaultSettings(record);
  ReadDataRows(pages, record.START_DATA, kStartData, notifier);
  ReadDataRows(pages, record.STOP_DATA, kStopData, notifier);
  ReadTimeRows(pages, record.START_TIME, kStartTime);
  ReadTimeRows(pages, record.STOP_TIME, kStopTime);
  record.STOP_IDLETIME = ReadIdleTime(pages, kStopIdle);
  record.STOP_DATASIZE = ReadDataSize(pages, kStopSize, notifier);
  record.STOP_LOGTIME = ReadLogTime(pages, kStopLogTime, notifier);
  record.FILE_EXTENSION = ReadField(pages, kExtension.field);
  record.TMSP_MODE = ReadChoice(pages, kTimestampMode, record.TMSP_MODE.View());
  ReadDataRows(pages, record.TMSP_START_DATA, kTimestampStart, notifier);
  ReadDataRows(pages, record.TMSP_STOP_DATA, kTimestampStop, notifier);
  record.TMSP_STOP_IDLETIME = ReadIdleTime(pages, kTimestampIdle);
  record.TMSP_STOP_DATASIZE = ReadDataSize(pages, kTimestampSize, notifier);
  record.TMSP_SERIAL_NO = ReadChoice(pages, kTimestampSerial, record.TMSP_SERIAL_NO.View());
  record.TMSP_TYPE = ReadChoice(pages, kTimestampType, record.TMSP_TYPE.View());
  record.TMSP_SPLIT = ReadField(pages, kSeparator.field);
  record.TMSP_DEL_DATA = PairsFromFields(pages, ExcludedBytes());
  return notifier.count();
}

}  // namespace km62rx::ui
