#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/notifier.h"

namespace km62rx::cli {

// The name that stands for standard input or standard output.
inline constexpr std::string_view kStandardStream = "-";

// Reads the settings file that a command was given, whole: a path (UTF-8),
// or "-" for standard input. Pipes and FIFOs are read to their end. When it
// cannot be read, shows "ファイルを開けませんでした。", or for a file larger
// than any settings file "有効なKM-62RX設定ファイルではありません。", and
// gives nothing.
std::optional<std::string> ReadSettingsInput(const std::string& path, Notifier& errors);

}  // namespace km62rx::cli
