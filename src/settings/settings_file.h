#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

#include "settings/logger_settings.h"
#include "settings/notifier.h"

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

// A settings line holds at most this many characters; a longer line is never
// a valid setting.
inline constexpr std::size_t kMaxLineLength = 99;
// ReadSettingsLine keeps at most this many bytes of a line and drops the rest
// of a longer one, so one huge line cannot take unbounded memory.
inline constexpr std::size_t kMaxKeptLineLength = 1024;

// The 40 lines of the file for a record, each ending in CR LF, in key order.
inline constexpr std::size_t kSettingsFileLines = 40;
std::string FormatSettingsFile(const LoggerSettings& settings);
// Whether a formatted file has exactly its 40 lines: false when a value
// holds a CR or LF of its own.
bool HasSettingsFileLines(std::string_view file);

// Writes the settings file at path. With useRecordClock == 0 the clock
// fields (TIME_CALENDAR, TIME_SET) come from the file being replaced (or
// the defaults when there is none); otherwise from the record. The old file
// is replaced atomically: on any failure it stays as it was. A record whose
// values hold CR or LF is refused, since it would break the file's lines.
// Returns 1 when written, 0 otherwise (an empty path gives 0 silently;
// failures are shown through notifier).
int WriteSettingsFile(std::string_view path, LoggerSettings settings, int useRecordClock,
                      Notifier& notifier);

// Takes TIME_CALENDAR and TIME_SET from the valid clock lines of the file at
// path. Returns false when the file could not be read (missing, unreadable,
// too large for a settings file, or a pipe or device: never waited on).
bool ReadFileClockFields(std::string_view path, LoggerSettings& settings);
// The same rule over the lines of an open stream (a file already read into
// memory, a pipe).
void ReadClockFields(std::istream& in, LoggerSettings& settings);

// Reads settings lines from in until its end, reporting each line it drops,
// changes or finds twice. Resets settings to the defaults first.
LoggerSettings& ParseSettings(std::istream& in, LoggerSettings& settings, Notifier& notifier);

// The Load command's header search: reads lines of at most 99 characters
// until one begins with the header. A longer line, the end of the stream or
// a read failure ends the search with false. The stream is left wherever the
// search stopped; callers search a file read into memory and parse it anew.
bool FindSettingsHeader(std::istream& in);

// Reads one line, up to LF, CR LF or a lone CR (the line end is not part of
// the line). Returns false at the end of the stream when nothing was read.
bool ReadSettingsLine(std::istream& in, std::string& line);

}  // namespace km62rx::settings
