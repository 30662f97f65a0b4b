#pragma once

#include <string_view>

#include "settings/logger_settings.h"
#include "settings/notifier.h"

namespace km62rx::settings {

// Writes the settings file at path. With useRecordClock == 0 the clock
// fields (TIME_CALENDAR, TIME_SET) come from the file being replaced (or
// the defaults when there is none); otherwise from the record. The old file
// is replaced atomically: on any failure it stays as it was. A record whose
// values hold CR or LF is refused, since it would break the file's lines.
// Returns 1 when written, 0 otherwise (an empty path gives 0 silently;
// failures are shown through notifier).
int WriteSettingsFile(std::string_view path, LoggerSettings settings, int useRecordClock,
                      Notifier& notifier);

}  // namespace km62rx::settings
