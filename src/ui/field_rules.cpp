#include "ui/field_rules.h"

#include <string>

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
