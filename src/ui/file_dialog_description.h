#pragma once

#include <string_view>

namespace km62rx::ui {

// The file dialog of Load, Save and the clock's file: settings files by
// their extension, in both cases (a file system that tells case apart would
// otherwise hide lower-case names), starting from the name SETTING.CFG, and
// a name typed without an extension getting .CFG.
struct FileDialogDescription {
  std::string_view filter;  // name and patterns, as the dialog lists them
  std::string_view initialName;
  std::string_view defaultSuffix;
};

inline constexpr FileDialogDescription kSettingsFileDialog{"CFG files(*.CFG *.cfg)", "SETTING.CFG",
                                                           "CFG"};

}  // namespace km62rx::ui
