#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "device/page_controls.h"

// The limits of the page fields, in the one place that every layer reaching
// the pages can read: the focus-loss clamps, the page binding and the device
// commands (which check a reply against them before it reaches the pages).

namespace km62rx::device {

// The clamp range of a numeric field (page fields and the clock dialog's
// fields 500-505).
struct NumericRange {
  int minimum;
  int maximum;
};
std::optional<NumericRange> NumericFieldRange(int id);

// Whether a numeric field would take text as it stands: digits only, no
// more of them than the field's largest value has, and a value within the
// field's range. False for a field without a range.
bool FieldAccepts(int id, std::string_view text);

// The logging time is at most 9999 days of 86,400 seconds.
inline constexpr int kLargestLogTimeDays = 9999;
inline constexpr std::int64_t kLargestLogTimeSeconds = 863913600;

// Keeps the logging time fields (days, hours, minutes, seconds) within 9999
// days: when the days field holds 9999, hours, minutes and seconds above 0
// become 0. Returns true when a field changed.
bool KeepLogTimeWithinLimit(PageControls& pages);

// A byte count as the size field and its unit combo show it: from 10,240,000
// bytes in MByte (at most 2000), from 10,000 in KByte (at most 9999, the
// largest number the four-digit field holds), below that in Byte. Each is
// rounded to the nearest unit.
struct SizeOnPage {
  std::uint32_t value;
  int unit;  // ids::kUnitMByte, kUnitKByte or kUnitByte
};
SizeOnPage SizeShownOnPage(std::uint32_t bytes);

}  // namespace km62rx::device
