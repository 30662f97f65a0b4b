#include <sstream>
#include <string>
#include <string_view>

#include "settings/clock_fields.h"
#include "settings/file_read.h"
#include "settings/settings_lines.h"

namespace km62rx::settings {

namespace {

bool IsDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9')
      return false;
  }
  return true;
}

// Two digits at position pos, as a number.
int TwoDigits(std::string_view text, std::size_t pos) {
  return (text[pos] - '0') * 10 + (text[pos + 1] - '0');
}

// yyMMddhhmmss with month 01-12, day 01-31, hour 00-23, minute and second
// 00-59. The year is any two digits; the day is not checked against the month.
bool IsValidCalendar(std::string_view value) {
  if (value.size() != 12 || !IsDigits(value))
    return false;
  const int month = TwoDigits(value, 2);
  const int day = TwoDigits(value, 4);
  return month >= 1 && month <= 12 && day >= 1 && day <= 31 && TwoDigits(value, 6) <= 23 &&
         TwoDigits(value, 8) <= 59 && TwoDigits(value, 10) <= 59;
}

}  // namespace

bool ReadFileClockFields(std::string_view path, LoggerSettings& settings) {
  // Never waits: the old file may be a FIFO or a device, which the writer
  // then refuses anyway.
  std::string contents;
  if (ReadFileContents(std::string(path.substr(0, path.find('\0'))), FileWait::kNever, contents) !=
      FileReadResult::kRead) {
    return false;
  }
  std::istringstream in(std::move(contents));
  ReadClockFields(in, settings);
  return true;
}

void ReadClockFields(std::istream& in, LoggerSettings& settings) {
  std::string line;
  while (ReadSettingsLine(in, line)) {
    // A line too long for a setting is no clock line either.
    if (line.size() > kMaxLineLength)
      continue;
    const std::string_view text = line;
    // Matched on the leading characters only: a longer key that begins with
    // one of the names counts too.
    const bool isCalendar = text.starts_with("TIME_CALENDAR");
    const bool isFlag = !isCalendar && text.starts_with("TIME_SET");
    if (!isCalendar && !isFlag)
      continue;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals != text.rfind('='))
      continue;
    const std::string_view value = text.substr(equals + 1);
    if (isCalendar) {
      if (IsValidCalendar(value))
        settings.TIME_CALENDAR = value;
    } else {
      settings.TIME_SET = (!value.empty() && value[0] == '0') ? 0 : 1;
    }
  }
}

}  // namespace km62rx::settings
