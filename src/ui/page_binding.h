#pragma once

#include "device/page_controls.h"
#include "settings/logger_settings.h"
#include "settings/notifier.h"

namespace km62rx::ui {

// Sets every page control from the record.
void ShowSettingsOnPages(device::PageControls& pages, settings::LoggerSettings settings);
// Shows a default record.
void ResetPagesToDefaults(device::PageControls& pages);
// Fills the record from the pages, starting from the defaults. Limits it
// applies are reported through notifier (the main window); the pages are
// changed where needed to show what goes into the record. Returns how many
// limits it applied.
int ReadSettingsFromPages(device::PageControls& pages, settings::LoggerSettings& settings,
                          Notifier& notifier);

}  // namespace km62rx::ui
