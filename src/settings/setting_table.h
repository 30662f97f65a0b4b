#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "settings/control_ids.h"
#include "settings/language.h"
#include "settings/logger_settings.h"

// One description per setting of the logger and per numeric page field: the
// controls it lives in, its limits, its wire mnemonics, its file key and the
// texts of the boxes its limits raise. The page table, the page binding, the
// device commands, the file reader, the focus-loss clamps and the command
// line's notes all read these, so a new field or a changed range is one edit
// here.

namespace km62rx::settings {

// ---------------------------------------------------------------------------
// Numeric page fields.

// The clamp range of a numeric field (page fields and the clock dialog's
// fields).
struct NumericRange {
  int minimum;
  int maximum;
};
std::optional<NumericRange> NumericFieldRange(int id);

// The most digits a numeric field takes: those of its largest value. 0 for a
// field without a range.
int FieldDigits(int id);

// Whether a numeric field would take text as it stands: digits only, no
// more of them than the field's largest value has, and a value within the
// field's range. False for a field without a range.
bool FieldAccepts(int id, std::string_view text);

// ---------------------------------------------------------------------------
// Units and display rules.

// The size unit combo: label and bytes per unit, in combo order
// (ids::kUnitMByte, kUnitKByte, kUnitByte).
struct SizeUnit {
  std::string_view label;
  std::int64_t bytes;
};
inline constexpr std::array<SizeUnit, 3> SizeUnits{
    {{"MByte", 1048576}, {"KByte", 1024}, {"Byte", 1}}};

// A size field holds at most 2000 MByte.
inline constexpr int kLargestSizeInMByte = 2000;
inline constexpr std::int64_t kLargestSizeBytes = kLargestSizeInMByte * SizeUnits[0].bytes;

// The bytes of a size field's value in the unit of combo index unit (an
// index outside the combo counts as bytes).
std::int64_t SizeInBytes(std::int64_t value, int unit);

// A byte count as the size field and its unit combo show it: from 10,240,000
// bytes in MByte (at most 2000), from 10,000 in KByte (at most 9999, the
// largest number the four-digit field holds), below that in Byte. Each is
// rounded to the nearest unit.
struct SizeOnPage {
  std::uint32_t value;
  int unit;  // ids::kUnitMByte, kUnitKByte or kUnitByte
};
SizeOnPage SizeShownOnPage(std::uint32_t bytes);

// The weekday combo of the time rows (day codes: ids::WeekdayCode).
inline constexpr std::array<LocalText, 8> WeekdayLabels{{{"毎日", "Every day"},
                                                         {"月曜日", "Monday"},
                                                         {"火曜日", "Tuesday"},
                                                         {"水曜日", "Wednesday"},
                                                         {"木曜日", "Thursday"},
                                                         {"金曜日", "Friday"},
                                                         {"土曜日", "Saturday"},
                                                         {"日曜日", "Sunday"}}};

// The logging time fields: days, hours, minutes, seconds.
inline constexpr std::int64_t kSecondsPerDay = 86400;
inline constexpr std::int64_t kSecondsPerHour = 3600;
inline constexpr std::int64_t kSecondsPerMinute = 60;

// ---------------------------------------------------------------------------
// Settings.

// What every setting has: its key in the settings file, its set and get
// commands, and how the messages and progress lines name it.
struct SettingName {
  std::string_view key;
  std::string_view set;
  std::string_view get;
  LocalText item;
};

// How the file reader checks a numeric line: at most maxChars digits, a
// value of at least 1 and, unless maximum is 0, at most maximum; the boxes
// when it is not.
struct FileNumberRule {
  std::size_t maxChars;
  bool isUnsigned;
  std::uint32_t maximum;
  LocalText belowMinimum;
  LocalText aboveMaximum;
};

// Repeated entries of four data bytes: a check box and four hex fields.
struct DataRowsSetting {
  SettingName name;
  int rows;
  ids::RowIds check;
  ids::RowIds byteField;
  // A stop condition needs at least one byte: the box a send shows and the
  // one a save shows when an enabled entry has none. Empty for the start
  // settings, which take an entry without bytes.
  LocalText sendRefusal;
  LocalText saveRefusal;
};

// Repeated time-of-day entries: a check box, a weekday combo, hour and minute.
struct TimeRowsSetting {
  SettingName name;
  int rows;
  ids::RowIds check;
  ids::RowIds weekday;
  ids::RowIds hour;
  ids::RowIds minute;
};

// An idle time in milliseconds: a check box and a number field.
struct IdleSetting {
  SettingName name;
  NumberText LoggerSettings::*value;  // its field of the record
  int check;
  int field;
  FileNumberRule file;
};

// A data size: a check box, a number field and its unit combo. Above 2000
// MByte a send and a save show their box and write 2000.
struct SizeSetting {
  SettingName name;
  NumberText LoggerSettings::*value;
  int check;
  int field;
  int unit;
  LocalText sendLimited;
  LocalText saveLimited;
  FileNumberRule file;
};

// The logging time: a check box and four fields. Below one second a send
// and a save show their box and write one second.
struct LogTimeSetting {
  SettingName name;
  NumberText LoggerSettings::*value;
  int check;
  std::array<int, 4> fields;  // days, hours, minutes, seconds
  LocalText sendRaised;
  LocalText saveRaised;
  FileNumberRule file;
};

// A code chosen in a combo.
struct CodeSetting {
  SettingName name;
  CodeText LoggerSettings::*value;
  int combo;
  std::span<const Choice> choices;
};

// A text field (the extension and the separator).
struct TextSetting {
  SettingName name;
  int field;
};

// The excluded data bytes: a row of hex fields.
struct ExcludedSetting {
  SettingName name;
  ids::RowIds byteField;
  int bytes;
};

inline constexpr LocalText kIdleBelowMinimum{
    "アイドル時間トリガーの最小設定値は1ミリ秒です。\r\n1ミリ秒に変更しました。",
    "The idle time trigger must be at least 1 ms.\r\nChanged to 1 ms."};
inline constexpr LocalText kSizeBelowMinimum{
    "データサイズトリガーの最小設定値は1バイトです。\r\n1バイトに変更しました。",
    "The data size trigger must be at least 1 byte.\r\nChanged to 1 byte."};
inline constexpr LocalText kLogTimeBelowMinimum{
    "ロギング時間トリガーの最小設定値は1秒です。\r\n1秒に変更しました。",
    "The logging time trigger must be at least 1 second.\r\nChanged to 1 second."};
inline constexpr LocalText kSizeAboveMaximum{
    "データサイズトリガーの最大設定値は2000Mバイトです。\r\n2000Mバイトに変更しました。",
    "The data size trigger must not exceed 2000 MByte.\r\nChanged to 2000 MByte."};

inline constexpr DataRowsSetting kStartData{
    {"START_DATA", "BDS", "BDG", {"開始トリガー(データ)", "Start trigger (data)"}},
    ids::kDataRows,
    ids::StartDataCheck,
    ids::StartDataByte,
    {},
    {}};
inline constexpr TimeRowsSetting kStartTime{
    {"START_TIME", "BTS", "BTG", {"開始トリガー(時刻)", "Start trigger (time)"}},
    ids::kTimeRows,
    ids::StartTimeCheck,
    ids::StartTimeWeekday,
    ids::StartTimeHour,
    ids::StartTimeMinute};
inline constexpr DataRowsSetting kStopData{
    {"STOP_DATA", "EDS", "EDG", {"停止トリガー(データ)", "Stop trigger (data)"}},
    ids::kDataRows,
    ids::StopDataCheck,
    ids::StopDataByte,
    {"停止トリガー(データ)を有効にするには\r\n1バイト以上の設定データが必要です。\r\n"
     "トリガー無効に設定しました。",
     "Stop trigger (data) needs at least one byte\r\nof data to be on.\r\n"
     "The trigger was sent as off."},
    {"停止トリガー(データ)を有効にするには\r\n1バイト以上の設定データが必要です。\r\n"
     "トリガー無効に変更しました。",
     "Stop trigger (data) needs at least one byte\r\nof data to be on.\r\n"
     "The trigger was saved as off."}};
inline constexpr TimeRowsSetting kStopTime{
    {"STOP_TIME", "ETS", "ETG", {"停止トリガー(時刻)", "Stop trigger (time)"}},
    ids::kTimeRows,
    ids::StopTimeCheck,
    ids::StopTimeWeekday,
    ids::StopTimeHour,
    ids::StopTimeMinute};
inline constexpr IdleSetting kStopIdle{
    {"STOP_IDLETIME", "EIS", "EIG", {"停止トリガー(アイドル時間)", "Stop trigger (idle time)"}},
    &LoggerSettings::STOP_IDLETIME,
    ids::kStopIdleCheck,
    ids::kStopIdleField,
    {9, false, 0, kIdleBelowMinimum, {}}};
inline constexpr SizeSetting kStopSize{
    {"STOP_DATASIZE", "ESS", "ESG", {"停止トリガー(データサイズ)", "Stop trigger (data size)"}},
    &LoggerSettings::STOP_DATASIZE,
    ids::kStopSizeCheck,
    ids::kStopSizeField,
    ids::kStopSizeUnit,
    {"停止トリガ(データサイズ)の設定上限値を超過しています。\r\n 2000 MByte に変更されました。",
     "Stop trigger (data size) is above its upper limit.\r\nChanged to 2000 MByte."},
    kSizeAboveMaximum,
    {10, true, kLargestSizeBytes, kSizeBelowMinimum, kSizeAboveMaximum}};
inline constexpr LogTimeSetting kStopLogTime{
    {"STOP_LOGTIME", "ELS", "ELG", {"停止トリガー(ロギング時間)", "Stop trigger (logging time)"}},
    &LoggerSettings::STOP_LOGTIME,
    ids::kStopLogTimeCheck,
    {ids::kLogDays, ids::kLogHours, ids::kLogMinutes, ids::kLogSeconds},
    {"停止トリガ(ロギング時間)の設定下限値を超過しています。\r\n 1秒 に変更されました。",
     "Stop trigger (logging time) is below its lower limit.\r\nChanged to 1 second."},
    kLogTimeBelowMinimum,
    {9,
     false,
     9999 * kSecondsPerDay,
     kLogTimeBelowMinimum,
     {"ロギング時間トリガーの最大設定値は9999日です。\r\n9999日に変更しました。",
      "The logging time trigger must not exceed 9999 days.\r\nChanged to 9999 days."}}};
inline constexpr TextSetting kExtension{
    {"FILE_EXTENSION", "LES", "LEG", {"ロギング設定", "Log file extension"}}, ids::kExtensionField};
inline constexpr CodeSetting kTimestampMode{
    {"TMSP_MODE", "PMS", "PMG", {"タイムスタンプ機能設定", "Time stamp function"}},
    &LoggerSettings::TMSP_MODE,
    ids::kTimestampModeCombo,
    OnOffChoices};
inline constexpr CodeSetting kTimestampType{
    {"TMSP_TYPE", "PTS", "PTG", {"タイムスタンプ表示タイプ", "Time stamp format"}},
    &LoggerSettings::TMSP_TYPE,
    ids::kTimestampTypeCombo,
    TimestampTypeChoices};
inline constexpr CodeSetting kTimestampSerial{
    {"TMSP_SERIAL_NO",
     "PNS",
     "PNG",
     {"タイムスタンプ シリアル番号機能", "Time stamp serial number"}},
    &LoggerSettings::TMSP_SERIAL_NO,
    ids::kTimestampSerialCombo,
    OnOffChoices};
inline constexpr TextSetting kSeparator{
    {"TMSP_SPLIT", "PPS", "PPG", {"タイムスタンプ 区切り文字", "Time stamp separator"}},
    ids::kSeparatorField};
inline constexpr ExcludedSetting kExcludedData{
    {"TMSP_DEL_DATA", "PDS", "PDG", {"タイムスタンプ 除外データ", "Time stamp excluded data"}},
    ids::ExcludedByte,
    kExcludedDataBytes};
inline constexpr DataRowsSetting kTimestampStart{
    {"TMSP_START_DATA",
     "PBS",
     "PBG",
     {"タイムスタンプ記録 開始条件(データ)", "Time stamp start condition (data)"}},
    ids::kDataRows,
    ids::TimestampStartCheck,
    ids::TimestampStartByte,
    {},
    {}};
inline constexpr DataRowsSetting kTimestampStop{
    {"TMSP_STOP_DATA",
     "PES",
     "PEG",
     {"タイムスタンプ記録 終了条件(データ)", "Time stamp stop condition (data)"}},
    ids::kDataRows,
    ids::TimestampStopCheck,
    ids::TimestampStopByte,
    {"タイムスタンプ記録 終了条件を有効にするには\r\n1バイト以上の設定データが必要です。\r\n"
     "条件無効に設定しました。",
     "Time stamp stop condition (data) needs at least\r\none byte of data to be on.\r\n"
     "The condition was sent as off."},
    {"タイムスタンプ記録 終了条件(データ)を有効にするには\r\n1バイト以上の設定データが必要です。"
     "\r\n条件無効に変更しました。",
     "Time stamp stop condition (data) needs at least\r\none byte of data to be on.\r\n"
     "The condition was saved as off."}};
inline constexpr IdleSetting kTimestampIdle{
    {"TMSP_STOP_IDLETIME",
     "PIS",
     "PIG",
     {"タイムスタンプ記録 終了条件(アイドル時間)", "Time stamp stop condition (idle time)"}},
    &LoggerSettings::TMSP_STOP_IDLETIME,
    ids::kTimestampIdleCheck,
    ids::kTimestampIdleField,
    {9,
     false,
     0,
     {"アイドル時間による条件の最小設定値は1ミリ秒です。\r\n1ミリ秒に変更しました。",
      "The idle time condition must be at least 1 ms.\r\nChanged to 1 ms."},
     {}}};
inline constexpr SizeSetting kTimestampSize{
    {"TMSP_STOP_DATASIZE",
     "PSS",
     "PSG",
     {"タイムスタンプ記録 終了条件(データサイズ)", "Time stamp stop condition (data size)"}},
    &LoggerSettings::TMSP_STOP_DATASIZE,
    ids::kTimestampSizeCheck,
    ids::kTimestampSizeField,
    ids::kTimestampSizeUnit,
    {"タイムスタンプ記録 終了条件(データサイズ)の設定上限値を超過しています。\r\n"
     " 2000 MByte に変更されました。",
     "Time stamp stop condition (data size) is above its upper limit.\r\n"
     "Changed to 2000 MByte."},
    {"データサイズによるタイムスタンプ記録の終了条件の最大設定値は2000Mバイトです。\r\n"
     "2000Mバイトに変更しました。",
     "The time stamp stop condition (data size) must not exceed 2000 MByte.\r\n"
     "Changed to 2000 MByte."},
    {10,
     true,
     kLargestSizeBytes,
     {"データサイズによる条件の最小設定値は1バイトです。\r\n1バイトに変更しました。",
      "The data size condition must be at least 1 byte.\r\nChanged to 1 byte."},
     {"データサイズによる条件の最大設定値は2000Mバイトです。\r\n2000Mバイトに変更しました。",
      "The data size condition must not exceed 2000 MByte.\r\nChanged to 2000 MByte."}}};

// The names of every setting, in the order the send and the receive run them.
inline constexpr std::array<SettingName, 17> SettingNames{
    kStartData.name,     kStartTime.name,      kStopData.name,        kStopTime.name,
    kStopIdle.name,      kStopSize.name,       kStopLogTime.name,     kExtension.name,
    kTimestampMode.name, kTimestampType.name,  kTimestampSerial.name, kSeparator.name,
    kExcludedData.name,  kTimestampStart.name, kTimestampStop.name,   kTimestampIdle.name,
    kTimestampSize.name};

// Every text of these descriptions and of the choice tables: item texts,
// limit boxes, weekday and choice labels. For the check that each has its
// English.
std::vector<LocalText> SettingTexts();

}  // namespace km62rx::settings
