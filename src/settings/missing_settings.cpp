#include "settings/missing_settings.h"

#include <algorithm>
#include <sstream>

#include "settings/logger_settings.h"
#include "settings/settings_format.h"
#include "settings/settings_lines.h"

namespace km62rx::settings {
namespace {

// A line's key and, for a setting the default file writes more than once,
// its entry digit ('\0' for the others).
struct LineName {
  std::string key;
  char entry = '\0';
  bool operator==(const LineName&) const = default;
};

std::vector<std::pair<LineName, std::string>> NamedLines(std::string_view text,
                                                         const std::vector<std::string>& repeated) {
  std::vector<std::pair<LineName, std::string>> lines;
  std::istringstream in{std::string(text)};
  for (std::string line; ReadSettingsLine(in, line);) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
      continue;
    LineName name{line.substr(0, equals)};
    const std::string value = line.substr(equals + 1);
    if (std::find(repeated.begin(), repeated.end(), name.key) != repeated.end())
      name.entry = value.empty() ? '?' : value.front();
    lines.emplace_back(std::move(name), value);
  }
  return lines;
}

}  // namespace

std::vector<MissingSetting> MissingSettings(std::string_view contents) {
  const std::string defaults = FormatSettingsFile(DefaultSettings());
  // The repeated settings: the keys the default file writes more than once.
  std::vector<std::string> keys, repeated;
  for (const auto& [name, value] : NamedLines(defaults, {})) {
    if (std::find(keys.begin(), keys.end(), name.key) != keys.end())
      repeated.push_back(name.key);
    keys.push_back(name.key);
  }
  const auto present = NamedLines(contents, repeated);
  std::vector<MissingSetting> missing;
  for (const auto& [name, value] : NamedLines(defaults, repeated)) {
    if (name.key == "INFO_NAME" || name.key == "TIME_CALENDAR" || name.key == "TIME_SET")
      continue;
    const bool found = std::any_of(present.begin(), present.end(),
                                   [&name = name](const auto& line) { return line.first == name; });
    if (!found) {
      missing.push_back({name.entry == '\0' ? name.key : name.key + "[" + name.entry + "]", value});
    }
  }
  return missing;
}

}  // namespace km62rx::settings
