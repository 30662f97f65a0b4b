#pragma once

#include <istream>
#include <string_view>

#include "settings/logger_settings.h"

namespace km62rx::settings {

// Takes TIME_CALENDAR and TIME_SET from the valid clock lines of the file at
// path. Returns false when the file could not be read (missing, unreadable,
// too large for a settings file, or a pipe or device: never waited on).
bool ReadFileClockFields(std::string_view path, LoggerSettings& settings);
// The same rule over the lines of an open stream (a file already read into
// memory, a pipe).
void ReadClockFields(std::istream& in, LoggerSettings& settings);

}  // namespace km62rx::settings
