#pragma once

#include "device/clock_commands.h"
#include "device/device_link.h"
#include "device/page_controls.h"
#include "settings/clock.h"
#include "settings/notifier.h"
#include "ui/window_host.h"

namespace km62rx::ui {

// The clock dialog's rules, on its controls reached by ID (fields 500 to
// 505, buttons 423 to 425). Leaving a field clamps it (ClampNumericField).

// Writes the PC's local time into the six fields, without leading zeros.
void FillClockFields(device::PageControls& dialog, const Clock& clock);

// The typed time, each field read as a decimal number.
device::TypedTime TypedTimeFromFields(const device::PageControls& dialog);

// "OK": the focused field (0 for none) is clamped as leaving it would, the
// day kept within its month, the three buttons turned off; then the typed
// time goes to the logger (clockDialogTarget 1, under the busy cursor) or
// into a chosen settings file (0). The dialog closes afterwards, whatever
// happened.
void ApplyClockDialog(int clockDialogTarget, int focusedId, device::PageControls& dialog,
                      device::DeviceLink& link, Notifier& dialogNotifier, Notifier& mainNotifier,
                      WindowHost& host);

}  // namespace km62rx::ui
