#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/logger_settings.h"

namespace km62rx::sim {

// How the value of a setting is written on the wire.
enum class ValueKind {
  kDataPattern,    // "-" or hex pairs (entry index first)
  kTimeOfDay,      // "-" or D HH MM (entry index first)
  kNumber,         // "-" or 1..maxNumber
  kExtension,      // three letters or digits
  kOnOff,          // ON / OFF
  kTimestampType,  // ALL / HMS / OFF
  kSeparator,      // separator text
  kExcludedData,   // 0..10 hex pairs
};

// One of the seventeen settings: its two-letter name, value rule and where
// the logger keeps it. The stored text of a repeated setting is the whole
// entry, index digit first, as in the settings file.
struct SettingSpec {
  std::string_view name;
  ValueKind kind;
  int entries;   // number of entries of a repeated setting, 0 for a single one
  int minPairs;  // data patterns: fewest hex pairs when on
  std::uint64_t maxNumber;
  std::string (*get)(const settings::LoggerSettings&, int entry);
  void (*set)(settings::LoggerSettings&, int entry, std::string_view text);
};

// The setting with this two-letter name, or nullptr.
const SettingSpec* FindSetting(std::string_view name);

// Whether the value text (after mnemonic and entry index) is acceptable.
bool IsValidValue(const SettingSpec& def, std::string_view value);

}  // namespace km62rx::sim
