#pragma once

#include <istream>

#include "settings/logger_settings.h"
#include "settings/notifier.h"

namespace km62rx::settings {

// Reads settings lines from in until its end, reporting each line it drops,
// changes or finds twice. Resets settings to the defaults first. Returns how
// many lines it reported.
int ParseSettings(std::istream& in, LoggerSettings& settings, Notifier& notifier);

}  // namespace km62rx::settings
