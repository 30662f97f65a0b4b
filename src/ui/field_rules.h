#pragma once

#include <string>
#include <string_view>

#include "device/page_controls.h"

namespace km62rx::ui {

// The range clamp run when a numeric field loses the focus. A field without
// a range is left alone. Leaving a logging time field also keeps the total
// within 9999 days, and leaving the clock dialog's year, month or day keeps
// the day within its month.
void ClampNumericField(int id, device::PageControls& controls);
// Keeps the clock dialog's day (field 502) within the month of fields 500
// and 501: 30 in February 2026 becomes 28.
void KeepClockDayInMonth(device::PageControls& controls);
// Applies the separator rule to the separator field and writes the result
// back.
void NormalizeSeparatorField(int id, device::PageControls& controls);
// Whether leaving the field runs ClampNumericField (the window's focus-loss
// routing).
bool IsClampedField(int id);
// What a dialog's digit field takes from a paste of the clipboard's text: its
// first line when that is digits only, else nothing; cut to room, the
// characters the field still takes (its limit less the characters it keeps
// beside the selection the paste replaces).
std::string DigitFieldPaste(std::string_view clipboardText, int room);

}  // namespace km62rx::ui
