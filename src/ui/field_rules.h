#pragma once

#include "device/page_controls.h"

namespace km62rx::ui {

// The range clamp run when a numeric field loses the focus. A field without
// a range is left alone.
void ClampNumericField(int id, device::PageControls& controls);
// Applies the separator rule to the separator field and writes the result
// back.
void NormalizeSeparatorField(int id, device::PageControls& controls);
// Whether leaving the field runs ClampNumericField (the window's focus-loss
// routing).
bool IsClampedField(int id);

}  // namespace km62rx::ui
