#include <algorithm>
#include <string>
#include <string_view>

#include "settings/settings_format.h"

namespace km62rx::settings {

namespace {

void AppendLine(std::string& out, std::string_view key, std::string_view value) {
  out += key;
  out += '=';
  out += value;
  out += "\r\n";
}

template <typename Entries>
void AppendEntries(std::string& out, std::string_view key, const Entries& entries) {
  for (const auto& entry : entries)
    AppendLine(out, key, entry.View());
}

}  // namespace

std::string FormatSettingsFile(const LoggerSettings& s) {
  std::string out;
  out.reserve(1024);
  out += kSettingsHeader;
  out += "\r\n";
  AppendLine(out, "FILE_EXTENSION", s.FILE_EXTENSION.View());
  AppendLine(out, "TIME_CALENDAR", s.TIME_CALENDAR.View());
  AppendLine(out, "TIME_SET", s.TIME_SET != 0 ? "1" : "0");
  AppendEntries(out, "START_DATA", s.START_DATA);
  AppendEntries(out, "START_TIME", s.START_TIME);
  AppendEntries(out, "STOP_DATA", s.STOP_DATA);
  AppendEntries(out, "STOP_TIME", s.STOP_TIME);
  AppendLine(out, "STOP_IDLETIME", s.STOP_IDLETIME.View());
  AppendLine(out, "STOP_DATASIZE", s.STOP_DATASIZE.View());
  AppendLine(out, "STOP_LOGTIME", s.STOP_LOGTIME.View());
  AppendLine(out, "TMSP_MODE", s.TMSP_MODE.View());
  AppendEntries(out, "TMSP_START_DATA", s.TMSP_START_DATA);
  AppendEntries(out, "TMSP_STOP_DATA", s.TMSP_STOP_DATA);
  AppendLine(out, "TMSP_STOP_IDLETIME", s.TMSP_STOP_IDLETIME.View());
  AppendLine(out, "TMSP_STOP_DATASIZE", s.TMSP_STOP_DATASIZE.View());
  AppendLine(out, "TMSP_SERIAL_NO", s.TMSP_SERIAL_NO.View());
  AppendLine(out, "TMSP_TYPE", s.TMSP_TYPE.View());
  AppendLine(out, "TMSP_SPLIT", s.TMSP_SPLIT.View());
  AppendLine(out, "TMSP_DEL_DATA", s.TMSP_DEL_DATA.View());
  return out;
}

bool HasSettingsFileLines(std::string_view file) {
  return static_cast<std::size_t>(std::count(file.begin(), file.end(), '\n')) ==
             kSettingsFileLines &&
         static_cast<std::size_t>(std::count(file.begin(), file.end(), '\r')) == kSettingsFileLines;
}

}  // namespace km62rx::settings
