#pragma once

#include "device/page_controls.h"
#include "settings/setting_table.h"

// The limits of the page fields are described in the settings layer; this
// adds the one rule that spans several fields of the pages.

namespace km62rx::device {

using settings::FieldAccepts;
using settings::NumericFieldRange;
using settings::NumericRange;
using settings::SizeOnPage;
using settings::SizeShownOnPage;

// Keeps the logging time fields (days, hours, minutes, seconds) within their
// largest days: when the days field holds its largest value, hours, minutes
// and seconds above 0 become 0. Returns true when a field changed.
bool KeepLogTimeWithinLimit(PageControls& pages);

}  // namespace km62rx::device
