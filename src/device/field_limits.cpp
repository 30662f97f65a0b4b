#include "device/field_limits.h"

#include <algorithm>

#include "device/control_ids.h"
#include "device/leading_decimal.h"

namespace km62rx::device {
namespace {

struct RangeRow {
  int first;
  int last;
  int minimum;
  int maximum;
};

constexpr RangeRow kRanges[] = {
    {500, 500, 2000, 2099},  // clock dialog: year
    {501, 501, 1, 12},       // month
    {502, 502, 1, 31},       // day
    {503, 503, 0, 23},       // hour
    {504, 505, 0, 59},       // minute, second
    {550, 556, 0, 23},       // start time hours
    {560, 566, 0, 59},       // start time minutes
    {600, 606, 0, 23},       // stop time hours
    {610, 616, 0, 59},       // stop time minutes
    {620, 620, 1, 999999999}, {630, 630, 1, 9999},      {640, 640, 0, 9999}, {641, 641, 0, 23},
    {642, 643, 0, 59},        {695, 695, 1, 999999999}, {696, 696, 1, 9999},
};

constexpr std::uint32_t kKByte = 1024;
constexpr std::uint32_t kMByteShownFrom = 10240000;
constexpr std::uint32_t kKByteShownFrom = 10000;
constexpr std::uint32_t kLargestMBytes = 2000;
constexpr std::uint32_t kLargestSizeShown = 9999;

std::size_t DigitCount(int value) {
  std::size_t digits = 1;
  for (; value >= 10; value /= 10)
    ++digits;
  return digits;
}

}  // namespace

std::optional<NumericRange> NumericFieldRange(int id) {
  for (const RangeRow& row : kRanges) {
    if (id >= row.first && id <= row.last)
      return NumericRange{row.minimum, row.maximum};
  }
  return std::nullopt;
}

bool FieldAccepts(int id, std::string_view text) {
  const std::optional<NumericRange> range = NumericFieldRange(id);
  if (!range || text.empty() || text.size() > DigitCount(range->maximum))
    return false;
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  const int value = LeadingInt(text);
  return value >= range->minimum && value <= range->maximum;
}

bool KeepLogTimeWithinLimit(PageControls& pages) {
  if (LeadingInt(pages.Text(ids::kLogDays)) < kLargestLogTimeDays)
    return false;
  bool changed = false;
  for (const int id : {ids::kLogHours, ids::kLogMinutes, ids::kLogSeconds}) {
    if (LeadingInt(pages.Text(id)) > 0) {
      pages.SetText(id, "0");
      changed = true;
    }
  }
  return changed;
}

SizeOnPage SizeShownOnPage(std::uint32_t bytes) {
  if (bytes >= kMByteShownFrom)
    return {std::min((bytes / kKByte + kKByte / 2) / kKByte, kLargestMBytes), ids::kUnitMByte};
  if (bytes >= kKByteShownFrom)
    return {std::min((bytes + kKByte / 2) / kKByte, kLargestSizeShown), ids::kUnitKByte};
  return {bytes, ids::kUnitByte};
}

}  // namespace km62rx::device
