#include "win32/win32_page_controls.h"

#include <commctrl.h>

#include "ui/page_table.h"
#include "win32/control_factory.h"
#include "win32/wide_text.h"
#include "win32/window_text.h"

namespace km62rx::win32 {
namespace {

using ui::ControlKind;

ControlKind KindOf(int id) {
  const ui::ControlSpec* def = ui::FindControlSpec(id);
  return def != nullptr ? def->kind : ControlKind::kLabel;
}

}  // namespace

std::string Win32PageControls::Text(int id) const {
  HWND window = Window(id);
  if (window == nullptr)
    return {};
  const ControlKind kind = KindOf(id);
  if (IsEditKind(kind))
    return fieldValues_.Bytes(id, WindowText(window));
  if (kind == ControlKind::kCombo) {
    const LRESULT index = SendMessageW(window, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
      return {};
    std::wstring item(static_cast<std::size_t>(SendMessageW(window, CB_GETLBTEXTLEN, index, 0)) + 1,
                      L'\0');
    item.resize(static_cast<std::size_t>(
        SendMessageW(window, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()))));
    return Narrow(item);
  }
  if (kind == ControlKind::kTreeView)
    return {};
  return WindowText(window);
}

void Win32PageControls::SetText(int id, std::string_view text) {
  HWND window = Window(id);
  const ControlKind kind = KindOf(id);
  if (window == nullptr || kind == ControlKind::kCombo || kind == ControlKind::kTreeView)
    return;  // a drop-down list has no text of its own to set
  std::string shown(text);
  if (IsEditKind(kind)) {
    // The edit does not cut a text set by the program to its limit itself.
    const int limit = static_cast<int>(SendMessageW(window, EM_GETLIMITTEXT, 0, 0));
    shown = fieldValues_.Set(id, text, limit);
  }
  SetWindowTextW(window, Widen(shown).c_str());
}

bool Win32PageControls::Checked(int id) const {
  HWND window = Window(id);
  return window != nullptr && KindOf(id) == ControlKind::kCheck &&
         SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32PageControls::SetChecked(int id, bool checked) {
  if (HWND window = Window(id); window != nullptr && KindOf(id) == ControlKind::kCheck)
    SendMessageW(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Win32PageControls::ComboIndex(int id) const {
  HWND window = Window(id);
  if (window == nullptr || KindOf(id) != ControlKind::kCombo)
    return 0;
  return static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0));
}

void Win32PageControls::SetComboIndex(int id, int index) {
  HWND window = Window(id);
  if (window == nullptr || KindOf(id) != ControlKind::kCombo)
    return;
  if (index >= 0 && index < SendMessageW(window, CB_GETCOUNT, 0, 0))
    SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool Win32PageControls::Enabled(int id) const {
  HWND window = Window(id);
  return window != nullptr && IsWindowEnabled(window);
}

void Win32PageControls::SetEnabled(int id, bool enabled) {
  if (HWND window = Window(id))
    EnableWindow(window, enabled);
}

}  // namespace km62rx::win32
