#pragma once

#include <span>
#include <string>

#include "device/clock_commands.h"
#include "device/page_controls.h"
#include "settings/file_chooser.h"
#include "settings/language.h"
#include "settings/logger_settings.h"
#include "settings/notifier.h"

namespace km62rx::ui {

// What a file command did.
struct FileResult {
  bool completed = false;  // loaded or written; its completion box was shown
  int reportedLines = 0;   // lines of the file the reader dropped, changed or found twice
  int limitedValues = 0;   // page values brought within their limits on the way to the file
  // Whether it completed with nothing reported on the way.
  bool Clean() const { return completed && reportedLines == 0 && limitedValues == 0; }
};

// "ファイル読込": choose a file, read it whole (a pipe or device that has
// nothing to give at once cannot be opened), then LoadSettingsFromContents.
FileResult LoadSettingsFromFile(device::PageControls& pages, FileChooser& chooser,
                                Notifier& mainWindow);

// The rest of "ファイル読込" on a file already read into memory: find its
// header, reset the pages, parse, show. When it was loaded, the record read
// from it goes to loaded, when given.
FileResult LoadSettingsFromContents(device::PageControls& pages, const std::string& contents,
                                    Notifier& mainWindow,
                                    settings::LoggerSettings* loaded = nullptr);

// "ファイル保存": choose a file, read the pages, write with the old file's
// clock lines. The window ignores the result.
FileResult SaveSettingsToFile(device::PageControls& pages, FileChooser& chooser,
                              Notifier& mainWindow);

// What "指定時刻をファイルに保存" does with an existing file that is not a
// settings file: the window has asked before replacing it; the command line
// cannot ask, so it refuses.
enum class ForeignFile { kReplace, kRefuse };

// "指定時刻をファイルに保存": keep the chosen file's settings (or the defaults
// for a new file) and store the typed time as its start-up time. The chooser
// asks before an existing file is chosen. Reader and writer boxes go to
// mainWindow, the completion box to dialog.
FileResult SaveClockToFile(const device::TypedTime& time, FileChooser& chooser,
                           Notifier& mainWindow, Notifier& dialog,
                           ForeignFile foreign = ForeignFile::kReplace);

// Every text of the completion boxes, for the check that each has its
// English.
std::span<const LocalText> FileCommandTexts();

}  // namespace km62rx::ui
