#include "ui/field_rules.h"

#include <string>

#include "device/clock_commands.h"
#include "device/control_ids.h"
#include "device/field_limits.h"
#include "settings/logger_settings.h"
#include "ui/decimal_text.h"
#include "ui/page_table.h"

namespace km62rx::ui {
namespace {

// Control texts are read as into a 100-byte buffer.
std::string ReadField(const device::PageControls& controls, int id) {
  std::string text = controls.Text(id);
  if (text.size() > 99)
    text.resize(99);
  return text;
}

constexpr int kClockMonth = ids::kClockYear + 1;
constexpr int kClockDay = ids::kClockYear + 2;

}  // namespace

void ClampNumericField(int id, device::PageControls& controls) {
  const std::optional<NumericRange> range = NumericFieldRange(id);
  if (!range)
    return;
  const std::string text = ReadField(controls, id);
  const int value = DecimalValue(text);
  if (value > range->maximum) {
    controls.SetText(id, FormatDecimal(range->maximum));
  } else if (value < range->minimum || text.empty()) {
    controls.SetText(id, FormatDecimal(range->minimum));
  }
  // Limits that span several fields.
  if (id >= ids::kLogDays && id <= ids::kLogSeconds) {
    device::KeepLogTimeWithinLimit(controls);
  } else if (id >= ids::kClockYear && id <= kClockDay) {
    KeepClockDayInMonth(controls);
  }
}

void KeepClockDayInMonth(device::PageControls& controls) {
  const int year = DecimalValue(ReadField(controls, ids::kClockYear));
  const int month = DecimalValue(ReadField(controls, kClockMonth));
  const int day = DecimalValue(ReadField(controls, kClockDay));
  const int kept = device::KeepDayInMonth({year, month, day}).day;
  if (kept != day)
    controls.SetText(kClockDay, FormatDecimal(kept));
}

void NormalizeSeparatorField(int id, device::PageControls& controls) {
  std::string text = ReadField(controls, id);
  settings::NormalizeDelimiter(text);
  controls.SetText(id, text);
}

bool IsClampedField(int id) {
  return (id >= 500 && id <= 505) || (id >= 550 && id <= 566) || (id >= 600 && id <= 616) ||
         id == 620 || id == 630 || (id >= 640 && id <= 643) || id == 695 || id == 696;
}

}  // namespace km62rx::ui
