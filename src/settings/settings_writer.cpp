#include <string>
#include <string_view>

#include "settings/clock_fields.h"
#include "settings/file_messages.h"
#include "settings/file_replace.h"
#include "settings/settings_format.h"
#include "settings/settings_writer.h"

namespace km62rx::settings {

int WriteSettingsFile(std::string_view path, LoggerSettings settings, int useRecordClock,
                      Notifier& notifier) {
  // The path is a C string at heart: it ends at its first NUL.
  const std::string target(path.substr(0, path.find('\0')));
  if (target.empty())
    return 0;
  // The clock fields of the file being replaced survive a save; read them
  // before anything is written.
  if (useRecordClock == 0 && !ReadFileClockFields(target, settings)) {
    settings.TIME_CALENDAR = kDefaultTimeCalendar;
    settings.TIME_SET = 1;
  }
  const std::string file = FormatSettingsFile(settings);
  // A value with a line break of its own would split its line and break the
  // file the logger reads: such a record is not written.
  if (!HasSettingsFileLines(file)) {
    notifier.Show(kErrorTitle.Get(), kCannotWriteFile.Get());
    return 0;
  }
  switch (ReplaceFileContents(target, file)) {
    case ReplaceResult::kReplaced:
      return 1;
    case ReplaceResult::kCannotOpen:
      notifier.Show(kErrorTitle.Get(), kCannotOpenFile.Get());
      return 0;
    case ReplaceResult::kWriteFailed:
      notifier.Show(kErrorTitle.Get(), kCannotWriteFile.Get());
      return 0;
  }
  return 0;
}

}  // namespace km62rx::settings
