#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "settings/fixed_text.h"
#include "settings/language.h"

namespace km62rx::settings {

// Number of entries of the six repeated settings.
inline constexpr int kDataEntryCount = 3;
inline constexpr int kTimeEntryCount = 7;
inline constexpr int kExcludedDataBytes = 10;

using DataEntry = FixedText<10>;
using TimeEntry = FixedText<7>;
using NumberText = FixedText<11>;
using CodeText = FixedText<10>;

// Every setting of one settings file, each in exactly the text form the file
// stores it in. Field names are the file's keys; fields stand in file order.
// A plain value: copied whole, no pointers, no heap.
struct LoggerSettings {
  FixedText<4> FILE_EXTENSION;
  FixedText<13> TIME_CALENDAR;
  std::uint8_t TIME_SET = 0;  // flag byte 0 or 1, not text
  std::array<DataEntry, kDataEntryCount> START_DATA;
  std::array<TimeEntry, kTimeEntryCount> START_TIME;
  std::array<DataEntry, kDataEntryCount> STOP_DATA;
  std::array<TimeEntry, kTimeEntryCount> STOP_TIME;
  NumberText STOP_IDLETIME;
  NumberText STOP_DATASIZE;
  NumberText STOP_LOGTIME;
  CodeText TMSP_MODE;
  std::array<DataEntry, kDataEntryCount> TMSP_START_DATA;
  std::array<DataEntry, kDataEntryCount> TMSP_STOP_DATA;
  NumberText TMSP_STOP_IDLETIME;
  NumberText TMSP_STOP_DATASIZE;
  CodeText TMSP_SERIAL_NO;
  CodeText TMSP_TYPE;
  CodeText TMSP_SPLIT;
  FixedText<50> TMSP_DEL_DATA;

  friend bool operator==(const LoggerSettings&, const LoggerSettings&) = default;
};

// Overwrites every field of the record with the defaults and returns it.
LoggerSettings& MakeDefaultSettings(LoggerSettings& settings);
// Convenience: a fresh default record.
LoggerSettings DefaultSettings();

// One row of a code-valued setting: the label the pages show and the code
// that the file and the logger use.
struct Choice {
  LocalText label;
  std::string_view code;
};

// TMSP_MODE and TMSP_SERIAL_NO.
inline constexpr std::array<Choice, 2> OnOffChoices{
    {{{"無効", "Off"}, "OFF"}, {{"有効", "On"}, "ON"}}};
// TMSP_TYPE.
inline constexpr std::array<Choice, 3> TimestampTypeChoices{
    {{{"日付 + 時刻", "Date + time"}, "ALL"},
     {{"時刻のみ", "Time only"}, "HMS"},
     {{"無し", "None"}, "OFF"}}};

// Day codes of time-of-day triggers.
inline constexpr int kDaySunday = 0;
inline constexpr int kDaySaturday = 6;
inline constexpr int kDayEveryDay = 7;

// Checks a separator text against the separator rule, in place. Returns 1 if
// it was acceptable (a leading double backslash is shortened to one
// backslash), 0 if it was replaced by the default ",". The buffer holds at
// most 99 characters.
int NormalizeDelimiter(std::string& text);

}  // namespace km62rx::settings
