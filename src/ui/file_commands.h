#pragma once

#include <string>

#include "device/clock_commands.h"
#include "device/page_controls.h"
#include "settings/file_chooser.h"
#include "settings/notifier.h"

namespace km62rx::ui {

// "ファイル読込": choose a file, read it whole (a pipe or device that has
// nothing to give at once cannot be opened), then LoadSettingsFromContents.
// Returns 1 when a file was loaded.
int LoadSettingsFromFile(device::PageControls& pages, FileChooser& chooser, Notifier& mainWindow);

// The rest of "ファイル読込" on a file already read into memory: find its
// header, reset the pages, parse, show. Returns 1 when it was loaded.
int LoadSettingsFromContents(device::PageControls& pages, const std::string& contents,
                             Notifier& mainWindow);

// "ファイル保存": choose a file, read the pages, write with the old file's
// clock lines. Returns 1 when the file was written (the window ignores it).
int SaveSettingsToFile(device::PageControls& pages, FileChooser& chooser, Notifier& mainWindow);

// What "指定時刻をファイルに保存" does with an existing file that is not a
// settings file: the window has asked before replacing it; the command line
// cannot ask, so it refuses.
enum class ForeignFile { kReplace, kRefuse };

// "指定時刻をファイルに保存": keep the chosen file's settings (or the defaults
// for a new file) and store the typed time as its start-up time. The chooser
// asks before an existing file is chosen. Reader and writer boxes go to
// mainWindow, the completion box to dialog. Returns 1 when written.
int SaveClockToFile(const device::TypedTime& time, FileChooser& chooser, Notifier& mainWindow,
                    Notifier& dialog, ForeignFile foreign = ForeignFile::kReplace);

}  // namespace km62rx::ui
