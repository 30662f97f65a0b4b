#include "sim/setting_table.h"

#include <array>

#include "sim/setting_rules.h"

namespace km62rx::sim {

namespace {

using settings::LoggerSettings;

constexpr std::uint64_t kMaxIdleMs = 999999999;
constexpr std::uint64_t kMaxDataSize = 2097152000;
constexpr std::uint64_t kMaxLogSeconds = 863913600;

// Accessors of one field (or entry list) of the record, as plain function pointers.
#define KM62RX_ENTRY_FIELD(field)                                                            \
  [](const LoggerSettings& s, int i) { return s.field[static_cast<std::size_t>(i)].Str(); }, \
      [](LoggerSettings& s, int i, std::string_view t) {                                     \
        s.field[static_cast<std::size_t>(i)] = t;                                            \
      }
#define KM62RX_FIELD(field)                                   \
  [](const LoggerSettings& s, int) { return s.field.Str(); }, \
      [](LoggerSettings& s, int, std::string_view t) { s.field = t; }

const std::array<SettingSpec, 17> kSettings{{
    {"BD", ValueKind::kDataPattern, settings::kDataEntryCount, 0, 0,
     KM62RX_ENTRY_FIELD(START_DATA)},
    {"BT", ValueKind::kTimeOfDay, settings::kTimeEntryCount, 0, 0, KM62RX_ENTRY_FIELD(START_TIME)},
    {"ED", ValueKind::kDataPattern, settings::kDataEntryCount, 1, 0, KM62RX_ENTRY_FIELD(STOP_DATA)},
    {"ET", ValueKind::kTimeOfDay, settings::kTimeEntryCount, 0, 0, KM62RX_ENTRY_FIELD(STOP_TIME)},
    {"EI", ValueKind::kNumber, 0, 0, kMaxIdleMs, KM62RX_FIELD(STOP_IDLETIME)},
    {"ES", ValueKind::kNumber, 0, 0, kMaxDataSize, KM62RX_FIELD(STOP_DATASIZE)},
    {"EL", ValueKind::kNumber, 0, 0, kMaxLogSeconds, KM62RX_FIELD(STOP_LOGTIME)},
    {"LE", ValueKind::kExtension, 0, 0, 0, KM62RX_FIELD(FILE_EXTENSION)},
    {"PM", ValueKind::kOnOff, 0, 0, 0, KM62RX_FIELD(TMSP_MODE)},
    {"PT", ValueKind::kTimestampType, 0, 0, 0, KM62RX_FIELD(TMSP_TYPE)},
    {"PN", ValueKind::kOnOff, 0, 0, 0, KM62RX_FIELD(TMSP_SERIAL_NO)},
    {"PP", ValueKind::kSeparator, 0, 0, 0, KM62RX_FIELD(TMSP_SPLIT)},
    {"PD", ValueKind::kExcludedData, 0, 0, 0, KM62RX_FIELD(TMSP_DEL_DATA)},
    {"PB", ValueKind::kDataPattern, settings::kDataEntryCount, 0, 0,
     KM62RX_ENTRY_FIELD(TMSP_START_DATA)},
    {"PE", ValueKind::kDataPattern, settings::kDataEntryCount, 1, 0,
     KM62RX_ENTRY_FIELD(TMSP_STOP_DATA)},
    {"PI", ValueKind::kNumber, 0, 0, kMaxIdleMs, KM62RX_FIELD(TMSP_STOP_IDLETIME)},
    {"PS", ValueKind::kNumber, 0, 0, kMaxDataSize, KM62RX_FIELD(TMSP_STOP_DATASIZE)},
}};

#undef KM62RX_ENTRY_FIELD
#undef KM62RX_FIELD

bool IsOneOf(std::string_view value, std::initializer_list<std::string_view> codes) {
  for (std::string_view code : codes) {
    if (value == code)
      return true;
  }
  return false;
}

}  // namespace

const SettingSpec* FindSetting(std::string_view name) {
  for (const SettingSpec& spec : kSettings) {
    if (spec.name == name)
      return &spec;
  }
  return nullptr;
}

bool IsValidValue(const SettingSpec& spec, std::string_view value) {
  switch (spec.kind) {
    case ValueKind::kDataPattern:
      return value == "-" || IsHexPairs(value, spec.minPairs, 4);
    case ValueKind::kTimeOfDay:
      return value == "-" || IsTimeOfDay(value);
    case ValueKind::kNumber:
      return value == "-" || IsNumberInRange(value, spec.maxNumber);
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
