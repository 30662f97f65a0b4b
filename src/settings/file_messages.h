#pragma once

#include <array>

#include "settings/language.h"

// The boxes about a settings file that the writer, the load and save
// commands and the command line share.

namespace km62rx::settings {

inline constexpr LocalText kErrorTitle{"エラー", "Error"};
inline constexpr LocalText kCannotOpenFile{"ファイルを開けませんでした。",
                                           "The file could not be opened."};
inline constexpr LocalText kCannotWriteFile{"ファイルに書き込めませんでした。",
                                            "The file could not be written."};
inline constexpr LocalText kNotASettingsFile{"有効なKM-62RX設定ファイルではありません。",
                                             "This is not a KM-62RX settings file."};

inline constexpr std::array FileMessageTexts{kErrorTitle, kCannotOpenFile, kCannotWriteFile,
                                             kNotASettingsFile};

}  // namespace km62rx::settings
