#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "settings/file_chooser.h"

namespace km62rx::win32 {

// Asks for a settings file with the common file dialogs owned by a window,
// as the file dialog's description says: its filter, the initial name
// SETTING.CFG and the default extension CFG. Paths come back as UTF-8.
class CommonFileChooser : public FileChooser {
 public:
  explicit CommonFileChooser(HWND owner) : owner_(owner) {}

  // An existing file.
  std::optional<std::string> ChooseFileToOpen() override;
  // An existing or a new file; with askBeforeReplacing the dialog asks
  // before an existing file is chosen.
  std::optional<std::string> ChooseFileToSave(bool askBeforeReplacing) override;

 private:
  std::optional<std::string> Run(bool forSaving, DWORD flags);
  HWND owner_;
};

// A filter "name(pattern pattern)" as the common dialogs take it: the name,
// NUL, the patterns separated by ';', NUL (and the closing NUL of the list).
std::wstring DialogFilter(std::string_view filter);

}  // namespace km62rx::win32
