#include "win32/common_file_chooser.h"

#include <commdlg.h>

#include <vector>

#include "ui/file_dialog_description.h"
#include "win32/wide_text.h"

namespace km62rx::win32 {
namespace {

// Room for a long path (beyond MAX_PATH).
constexpr std::size_t kPathRoom = 32768;

}  // namespace

std::wstring DialogFilter(std::string_view filter) {
  const std::size_t open = filter.rfind('(');
  const std::size_t close = filter.rfind(')');
  std::string patterns =
      open < close ? std::string(filter.substr(open + 1, close - open - 1)) : std::string(filter);
  for (char& c : patterns) {
    if (c == ' ')
      c = ';';
  }
  std::wstring list = Widen(filter);
  list += L'\0';
  list += Widen(patterns);
  list += L'\0';
  return list;  // the string's own NUL closes the list
}

std::optional<std::string> CommonFileChooser::Run(bool forSaving, DWORD flags) {
  const ui::FileDialogDescription& file = ui::kSettingsFileDialog;
  const std::wstring filter = DialogFilter(file.filter);
  const std::wstring extension = Widen(file.defaultSuffix);
  std::vector<wchar_t> path(kPathRoom, L'\0');
  const std::wstring initial = Widen(file.initialName);
  initial.copy(path.data(), path.size() - 1);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrDefExt = extension.c_str();
  // The current folder stays as it was.
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | flags;
  const BOOL chosen = forSaving ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (!chosen || path[0] == L'\0')
    return std::nullopt;
  return Narrow(path.data());
}

std::optional<std::string> CommonFileChooser::ChooseFileToOpen() {
  return Run(false, OFN_FILEMUSTEXIST);
}

std::optional<std::string> CommonFileChooser::ChooseFileToSave(bool askBeforeReplacing) {
  return Run(true, askBeforeReplacing ? OFN_OVERWRITEPROMPT : 0);
}

}  // namespace km62rx::win32
