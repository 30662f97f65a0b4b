#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/page_controls.h"
#include "settings/logger_settings.h"
#include "settings/missing_settings.h"
#include "settings/notifier.h"
#include "ui/file_commands.h"

namespace km62rx::cli {

// The name that stands for standard input or standard output.
inline constexpr std::string_view kStandardStream = "-";

// Reads the settings file that a command was given, whole: a path (UTF-8),
// or "-" for standard input. Pipes and FIFOs are read to their end. When it
// cannot be read, shows that the file could not be opened (or, for a file
// larger than any settings file, that it is no settings file) and gives
// nothing.
std::optional<std::string> ReadSettingsInput(const std::string& path, Notifier& errors);

// A settings file as a command loaded it onto the pages: how the load went
// and the record the reader made of it.
struct LoadedSettings {
  ui::FileResult result;
  settings::LoggerSettings record;
  std::vector<settings::MissingSetting> missing;  // settings the file has no line for
  // Whether the reader took every line as it stood and the file named every
  // setting.
  bool Clean() const { return result.Clean() && missing.empty(); }
};

// Reads the file once (a pipe or standard input cannot be read twice) and
// loads it onto the pages as the window's Load does. Nothing when it could
// not be read or is no settings file (the box has been shown).
std::optional<LoadedSettings> LoadSettingsInput(const std::string& path,
                                                device::PageControls& pages, Notifier& boxes);

}  // namespace km62rx::cli
