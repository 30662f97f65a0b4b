#pragma once

#include "device/clock_commands.h"
#include "device/page_controls.h"
#include "settings/file_chooser.h"
#include "settings/logger_settings.h"
#include "settings/notifier.h"

namespace km62rx::ui {

// "ファイル読込": choose a file, find its header, reset the pages, parse,
// show. Returns 1 when a file was loaded; the record read from it then goes
// to loaded, when given.
int LoadSettingsFromFile(device::PageControls& pages, FileChooser& chooser, Notifier& mainWindow,
                         settings::LoggerSettings* loaded = nullptr);

// "ファイル保存": choose a file, read the pages, write with the old file's
// clock lines. Returns 1 when the file was written (the window ignores it).
int SaveSettingsToFile(device::PageControls& pages, FileChooser& chooser, Notifier& mainWindow);

// "指定時刻をファイルに保存": keep the chosen file's settings (or the defaults)
// and store the typed time as its start-up time. Reader and writer boxes go
// to mainWindow, the completion box to dialog. Returns 1 when written.
int SaveClockToFile(const device::TypedTime& time, FileChooser& chooser, Notifier& mainWindow,
                    Notifier& dialog);

}  // namespace km62rx::ui
