#include "device/field_limits.h"

#include "device/leading_decimal.h"

namespace km62rx::device {

bool KeepLogTimeWithinLimit(PageControls& pages) {
  const auto& [days, hours, minutes, seconds] = settings::kStopLogTime.fields;
  if (LeadingInt(pages.Text(days)) < NumericFieldRange(days)->maximum)
    return false;
  bool changed = false;
  for (const int id : {hours, minutes, seconds}) {
    if (LeadingInt(pages.Text(id)) > 0) {
      pages.SetText(id, "0");
      changed = true;
    }
  }
  return changed;
}

}  // namespace km62rx::device
