#include "sim/setting_table.h"

#include <array>

#include "sim/setting_rules.h"

namespace km62rx::sim {

namespace {

using settings::LoggerSettings;

constexpr std::uint64_t kMaxIdleMs = 999999999;
constexpr std::uint64_t kMaxDataSize = 2097152000;
constexpr std::uint64_t kMaxLogSeconds = 863913600;

// Accessors of one entry list or one field of the record, usable as plain
// function pointers in the table below.
template <auto List>
std::string GetEntry(const LoggerSettings& s, int i) {
  return (s.*List)[static_cast<std::size_t>(i)].Str();
}
template <auto List>
void SetEntry(LoggerSettings& s, int i, std::string_view text) {
  (s.*List)[static_cast<std::size_t>(i)] = text;
}
template <auto Field>
std::string GetField(const LoggerSettings& s, int) {
  return (s.*Field).Str();
}
template <auto Field>
void SetField(LoggerSettings& s, int, std::string_view text) {
  s.*Field = text;
}

const std::array<SettingSpec, 17> kSettings{{
    {"BD", ValueKind::kDataPattern, settings::kDataEntryCount, 0, 0,
     GetEntry<&LoggerSettings::START_DATA>, SetEntry<&LoggerSettings::START_DATA>},
    {"BT", ValueKind::kTimeOfDay, settings::kTimeEntryCount, 0, 0,
     GetEntry<&LoggerSettings::START_TIME>, SetEntry<&LoggerSettings::START_TIME>},
    {"ED", ValueKind::kDataPattern, settings::kDataEntryCount, 1, 0,
     GetEntry<&LoggerSettings::STOP_DATA>, SetEntry<&LoggerSettings::STOP_DATA>},
    {"ET", ValueKind::kTimeOfDay, settings::kTimeEntryCount, 0, 0,
     GetEntry<&LoggerSettings::STOP_TIME>, SetEntry<&LoggerSettings::STOP_TIME>},
    {"EI", ValueKind::kNumber, 0, 0, kMaxIdleMs, GetField<&LoggerSettings::STOP_IDLETIME>,
     SetField<&LoggerSettings::STOP_IDLETIME>},
    {"ES", ValueKind::kNumber, 0, 0, kMaxDataSize, GetField<&LoggerSettings::STOP_DATASIZE>,
     SetField<&LoggerSettings::STOP_DATASIZE>},
    {"EL", ValueKind::kNumber, 0, 0, kMaxLogSeconds, GetField<&LoggerSettings::STOP_LOGTIME>,
     SetField<&LoggerSettings::STOP_LOGTIME>},
    {"LE", ValueKind::kExtension, 0, 0, 0, GetField<&LoggerSettings::FILE_EXTENSION>,
     SetField<&LoggerSettings::FILE_EXTENSION>},
    {"PM", ValueKind::kOnOff, 0, 0, 0, GetField<&LoggerSettings::TMSP_MODE>,
     SetField<&LoggerSettings::TMSP_MODE>},
    {"PT", ValueKind::kTimestampType, 0, 0, 0, GetField<&LoggerSettings::TMSP_TYPE>,
     SetField<&LoggerSettings::TMSP_TYPE>},
    {"PN", ValueKind::kOnOff, 0, 0, 0, GetField<&LoggerSettings::TMSP_SERIAL_NO>,
     SetField<&LoggerSettings::TMSP_SERIAL_NO>},
    {"PP", ValueKind::kSeparator, 0, 0, 0, GetField<&LoggerSettings::TMSP_SPLIT>,
     SetField<&LoggerSettings::TMSP_SPLIT>},
    {"PD", ValueKind::kExcludedData, 0, 0, 0, GetField<&LoggerSettings::TMSP_DEL_DATA>,
     SetField<&LoggerSettings::TMSP_DEL_DATA>},
    {"PB", ValueKind::kDataPattern, settings::kDataEntryCount, 0, 0,
     GetEntry<&LoggerSettings::TMSP_START_DATA>, SetEntry<&LoggerSettings::TMSP_START_DATA>},
    {"PE", ValueKind::kDataPattern, settings::kDataEntryCount, 1, 0,
     GetEntry<&LoggerSettings::TMSP_STOP_DATA>, SetEntry<&LoggerSettings::TMSP_STOP_DATA>},
    {"PI", ValueKind::kNumber, 0, 0, kMaxIdleMs, GetField<&LoggerSettings::TMSP_STOP_IDLETIME>,
     SetField<&LoggerSettings::TMSP_STOP_IDLETIME>},
    {"PS", ValueKind::kNumber, 0, 0, kMaxDataSize, GetField<&LoggerSettings::TMSP_STOP_DATASIZE>,
     SetField<&LoggerSettings::TMSP_STOP_DATASIZE>},
}};

bool IsOneOf(std::string_view value, std::initializer_list<std::string_view> codes) {
  for (std::string_view code : codes) {
    if (value == code)
      return true;
  }
  return false;
}

}  // namespace

const SettingSpec* FindSetting(std::string_view name) {
  for (const SettingSpec& def : kSettings) {
    if (def.name == name)
      return &def;
  }
  return nullptr;
}

bool IsValidValue(const SettingSpec& def, std::string_view value) {
  switch (def.kind) {
    case ValueKind::kDataPattern:
      return value == "-" || IsHexPairs(value, def.minPairs, 4);
    case ValueKind::kTimeOfDay:
      return value == "-" || IsTimeOfDay(value);
    case ValueKind::kNumber:
      return value == "-" || IsNumberInRange(value, def.maxNumber);
    case ValueKind::kExtension:
      return IsExtension(value);
    case ValueKind::kOnOff:
      return IsOneOf(value, {"ON", "OFF"});
    case ValueKind::kTimestampType:
      return IsOneOf(value, {"ALL", "HMS", "OFF"});
    case ValueKind::kSeparator:
      return IsSeparator(value);
    case ValueKind::kExcludedData:
      return IsHexPairs(value, 0, settings::kExcludedDataBytes);
  }
  return false;
}

}  // namespace km62rx::sim
