#include "settings/logger_settings.h"

#include <cctype>
#include <string>

namespace km62rx::settings {

LoggerSettings& MakeDefaultSettings(LoggerSettings& settings) {
  settings = LoggerSettings{};
  settings.FILE_EXTENSION = "LOG";
  settings.TIME_CALENDAR = "180101000000";
  settings.TIME_SET = 1;
  for (int i = 0; i < kDataEntryCount; ++i) {
    const std::string off = std::to_string(i) + "-";
    settings.START_DATA[i] = off;
    settings.STOP_DATA[i] = off;
    settings.TMSP_START_DATA[i] = off;
    settings.TMSP_STOP_DATA[i] = off;
  }
  for (int i = 0; i < kTimeEntryCount; ++i) {
    const std::string off = std::to_string(i) + "-";
    settings.START_TIME[i] = off;
    settings.STOP_TIME[i] = off;
  }
  settings.STOP_IDLETIME = "-";
  settings.STOP_DATASIZE = "-";
  settings.STOP_LOGTIME = "-";
  settings.TMSP_MODE = "OFF";
  settings.TMSP_STOP_IDLETIME = "-";
  settings.TMSP_STOP_DATASIZE = "-";
  settings.TMSP_SERIAL_NO = "ON";
  settings.TMSP_TYPE = "ALL";
  settings.TMSP_SPLIT = ",";
  settings.TMSP_DEL_DATA = "";
  return settings;
}

LoggerSettings DefaultSettings() {
  LoggerSettings settings;
  return MakeDefaultSettings(settings);
}

namespace {

bool IsHexDigit(char c) {
  return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// The separator rule without side effects: returns whether the text is
// valid and, through collapse, whether it must be cut to one backslash.
bool IsValidSeparator(std::string_view text, bool& collapse) {
  collapse = false;
  const char c0 = text.empty() ? '\0' : text[0];
  const char c1 = text.size() > 1 ? text[1] : '\0';
  if (c0 < 0x20 || c0 > 0x7E)
    return false;
  if (c0 != '\\')
    return text.size() == 1;
  if (text.size() == 1)
    return true;
  switch (c1) {
    case '\\':
      collapse = true;
      return true;
    case 'n':
    case 'r':
    case 't':
      return text.size() == 2;
    case 'x':
      return text.size() == 4 && IsHexDigit(text[2]) && IsHexDigit(text[3]);
    default:
      return false;
  }
}

}  // namespace

int NormalizeDelimiter(std::string& text) {
  // The text lives in a 100-byte buffer: at most 99 characters, up to a NUL.
  const std::size_t nul = text.find('\0');
  if (nul != std::string::npos)
    text.resize(nul);
  if (text.size() > 99)
    text.resize(99);
  bool collapse = false;
  if (!IsValidSeparator(text, collapse)) {
    text = ",";
    return 0;
  }
  if (collapse)
    text = "\\";
  return 1;
}

}  // namespace km62rx::settings
