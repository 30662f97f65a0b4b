#include "ui/field_rules.h"

#include <algorithm>
#include <string>

#include "device/clock_commands.h"
#include "device/field_limits.h"
#include "settings/setting_table.h"
#include "ui/decimal_text.h"
#include "ui/field_editor.h"
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
  const auto& logTime = settings::kStopLogTime.fields;
  if (std::find(logTime.begin(), logTime.end(), id) != logTime.end()) {
    device::KeepLogTimeWithinLimit(controls);
  } else if (id == ids::kClockYear || id == ids::kClockMonth || id == ids::kClockDay) {
    KeepClockDayInMonth(controls);
  }
}

void KeepClockDayInMonth(device::PageControls& controls) {
  const int year = DecimalValue(ReadField(controls, ids::kClockYear));
  const int month = DecimalValue(ReadField(controls, ids::kClockMonth));
  const int day = DecimalValue(ReadField(controls, ids::kClockDay));
  const int kept = device::KeepDayInMonth({year, month, day}).day;
  if (kept != day)
    controls.SetText(ids::kClockDay, FormatDecimal(kept));
}

void NormalizeSeparatorField(int id, device::PageControls& controls) {
  std::string text = ReadField(controls, id);
  settings::NormalizeDelimiter(text);
  controls.SetText(id, text);
}

bool IsClampedField(int id) {
  return NumericFieldRange(id).has_value();
}

std::string DigitFieldPaste(std::string_view clipboardText, int room) {
  const std::string_view line = FirstLine(clipboardText);
  if (room <= 0 ||
      !std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return {};
  return std::string(line.substr(0, static_cast<std::size_t>(room)));
}

}  // namespace km62rx::ui
