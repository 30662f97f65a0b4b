#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "settings/logger_settings.h"

namespace km62rx::settings {

// The twenty keys of the settings file, in file order.
inline constexpr std::array<std::string_view, 20> SettingKeys{
    "INFO_NAME",       "FILE_EXTENSION", "TIME_CALENDAR",      "TIME_SET",
    "START_DATA",      "START_TIME",     "STOP_DATA",          "STOP_TIME",
    "STOP_IDLETIME",   "STOP_DATASIZE",  "STOP_LOGTIME",       "TMSP_MODE",
    "TMSP_START_DATA", "TMSP_STOP_DATA", "TMSP_STOP_IDLETIME", "TMSP_STOP_DATASIZE",
    "TMSP_SERIAL_NO",  "TMSP_TYPE",      "TMSP_SPLIT",         "TMSP_DEL_DATA"};

// The header line that marks a settings file (its first 17 characters).
inline constexpr std::string_view kSettingsHeader = "INFO_NAME=KM-62RX";
inline constexpr std::string_view kDefaultTimeCalendar = "180101000000";

// The 40 lines of the file for a record, each ending in CR LF, in key order.
inline constexpr std::size_t kSettingsFileLines = 40;
std::string FormatSettingsFile(const LoggerSettings& settings);
// Whether a formatted file has exactly its 40 lines: false when a value
// holds a CR or LF of its own.
bool HasSettingsFileLines(std::string_view file);

}  // namespace km62rx::settings
