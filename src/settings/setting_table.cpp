#include "settings/setting_table.h"

#include <algorithm>
#include <charconv>

namespace km62rx::settings {
namespace {

// The numeric fields by ranges of consecutive IDs.
struct RangeRow {
  int first;
  int last;
  NumericRange range;
};

constexpr RangeRow kRanges[] = {
    {ids::kClockYear, ids::kClockYear, {2000, 2099}},
    {ids::kClockMonth, ids::kClockMonth, {1, 12}},
    {ids::kClockDay, ids::kClockDay, {1, 31}},
    {ids::kClockHour, ids::kClockHour, {0, 23}},
    {ids::kClockMinute, ids::kClockSecond, {0, 59}},
    {ids::StartTimeHour(0), ids::StartTimeHour(ids::kTimeRows - 1), {0, 23}},
    {ids::StartTimeMinute(0), ids::StartTimeMinute(ids::kTimeRows - 1), {0, 59}},
    {ids::StopTimeHour(0), ids::StopTimeHour(ids::kTimeRows - 1), {0, 23}},
    {ids::StopTimeMinute(0), ids::StopTimeMinute(ids::kTimeRows - 1), {0, 59}},
    {ids::kStopIdleField, ids::kStopIdleField, {1, 999999999}},
    {ids::kStopSizeField, ids::kStopSizeField, {1, 9999}},
    {ids::kLogDays, ids::kLogDays, {0, 9999}},
    {ids::kLogHours, ids::kLogHours, {0, 23}},
    {ids::kLogMinutes, ids::kLogSeconds, {0, 59}},
    {ids::kTimestampIdleField, ids::kTimestampIdleField, {1, 999999999}},
    {ids::kTimestampSizeField, ids::kTimestampSizeField, {1, 9999}},
};

// The size shown switches to MByte from 10,240,000 bytes and to KByte from
// 10,000; the four-digit field holds at most 9999.
constexpr std::uint32_t kMByteShownFrom = 10240000;
constexpr std::uint32_t kKByteShownFrom = 10000;
constexpr std::uint32_t kLargestSizeShown = 9999;

int DigitCount(int value) {
  int digits = 1;
  for (; value >= 10; value /= 10)
    ++digits;
  return digits;
}

}  // namespace

std::optional<NumericRange> NumericFieldRange(int id) {
  for (const RangeRow& row : kRanges) {
    if (id >= row.first && id <= row.last)
      return row.range;
  }
  return std::nullopt;
}

int FieldDigits(int id) {
  const std::optional<NumericRange> range = NumericFieldRange(id);
  return range ? DigitCount(range->maximum) : 0;
}

bool FieldAccepts(int id, std::string_view text) {
  const std::optional<NumericRange> range = NumericFieldRange(id);
  if (!range || text.empty() || text.size() > static_cast<std::size_t>(DigitCount(range->maximum)))
    return false;
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  // from_chars would take a leading minus sign, which no field takes.
  if (ec != std::errc() || end != text.data() + text.size() || text.front() == '-')
    return false;
  return value >= range->minimum && value <= range->maximum;
}

std::int64_t SizeInBytes(std::int64_t value, int unit) {
  if (unit < 0 || static_cast<std::size_t>(unit) >= SizeUnits.size())
    return value;
  return value * SizeUnits[static_cast<std::size_t>(unit)].bytes;
}

SizeOnPage SizeShownOnPage(std::uint32_t bytes) {
  constexpr auto kKByte = static_cast<std::uint32_t>(SizeUnits[ids::kUnitKByte].bytes);
  if (bytes >= kMByteShownFrom) {
    return {std::min((bytes / kKByte + kKByte / 2) / kKByte,
                     static_cast<std::uint32_t>(kLargestSizeInMByte)),
            ids::kUnitMByte};
  }
  if (bytes >= kKByteShownFrom)
    return {std::min((bytes + kKByte / 2) / kKByte, kLargestSizeShown), ids::kUnitKByte};
  return {bytes, ids::kUnitByte};
}

std::vector<LocalText> SettingTexts() {
  std::vector<LocalText> texts(WeekdayLabels.begin(), WeekdayLabels.end());
  for (const SettingName& name : SettingNames)
    texts.push_back(name.item);
  for (const DataRowsSetting* rows : {&kStopData, &kTimestampStop})
    texts.insert(texts.end(), {rows->sendRefusal, rows->saveRefusal});
  for (const SizeSetting* size : {&kStopSize, &kTimestampSize}) {
    texts.insert(texts.end(), {size->sendLimited, size->saveLimited, size->file.belowMinimum,
                               size->file.aboveMaximum});
  }
  texts.insert(texts.end(), {kStopLogTime.sendRaised, kStopLogTime.saveRaised,
                             kStopLogTime.file.belowMinimum, kStopLogTime.file.aboveMaximum,
                             kStopIdle.file.belowMinimum, kTimestampIdle.file.belowMinimum});
  for (const CodeSetting* code : {&kTimestampMode, &kTimestampType}) {
    for (const Choice& choice : code->choices)
      texts.push_back(choice.label);
  }
  return texts;
}

}  // namespace km62rx::settings
