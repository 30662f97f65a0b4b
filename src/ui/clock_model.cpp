#include "ui/clock_model.h"

#include <string>

#include "device/leading_decimal.h"
#include "settings/control_ids.h"
#include "ui/field_rules.h"
#include "ui/file_commands.h"

namespace km62rx::ui {

void FillClockFields(device::PageControls& dialog, const Clock& clock) {
  const std::tm now = clock.LocalNow();
  const int values[6] = {now.tm_year + 1900, now.tm_mon + 1, now.tm_mday,
                         now.tm_hour,        now.tm_min,     now.tm_sec};
  for (std::size_t i = 0; i < 6; ++i)
    dialog.SetText(ids::kClockFields[i], std::to_string(values[i]));
}

device::TypedTime TypedTimeFromFields(const device::PageControls& dialog) {
  int values[6];
  for (std::size_t i = 0; i < 6; ++i)
    values[i] = device::LeadingInt(dialog.Text(ids::kClockFields[i]));
  return device::TypedTime{values[0], values[1], values[2], values[3], values[4], values[5]};
}

void ApplyClockDialog(int clockDialogTarget, int focusedId, device::PageControls& dialog,
                      device::DeviceLink& link, Notifier& dialogNotifier, Notifier& mainNotifier,
                      WindowHost& host) {
  if (IsClampedField(focusedId))
    ClampNumericField(focusedId, dialog);
  KeepClockDayInMonth(dialog);
  for (int id : {ids::kClockOkButton, ids::kClockCancelButton, ids::kPcTimeButton})
    dialog.SetEnabled(id, false);
  const device::TypedTime time = TypedTimeFromFields(dialog);
  if (clockDialogTarget != 0) {
    const BusyScope busy(host);
    device::SetLoggerClockFromTime(link, time, dialogNotifier);
  } else {
    const std::unique_ptr<FileChooser> chooser = host.MakeFileChooser();
    SaveClockToFile(time, *chooser, mainNotifier, dialogNotifier);
  }
}

}  // namespace km62rx::ui
