#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace km62rx::settings {

// A setting that a settings file has no line for: the reader leaves its
// default in place. Files written by older programs may lack lines, so this
// is no error, but a user who sends such a file resets those settings on the
// logger without knowing.
struct MissingSetting {
  std::string label;         // the key, with the entry of a repeated setting: "START_DATA[2]"
  std::string defaultValue;  // the value the default file writes: "2-"
};

// The settings, in file order, that no line of contents names by its key (and
// for a repeated setting by its entry digit), whatever the line's value. The
// header and the clock lines never count: the writer's clock rule covers
// those.
std::vector<MissingSetting> MissingSettings(std::string_view contents);

}  // namespace km62rx::settings
