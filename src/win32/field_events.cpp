#include "win32/field_events.h"

#include <commctrl.h>

#include <string>

#include "ui/field_editor.h"
#include "win32/wide_text.h"
#include "win32/win32_page_controls.h"
#include "win32/window_messages.h"
#include "win32/window_text.h"

namespace km62rx::win32 {
namespace {

constexpr wchar_t kCtrlV = 0x16;  // the edit turns it into WM_PASTE

ui::FieldCaret Caret(HWND field) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end - start), GetWindowTextLengthW(field)};
}

// The one character a key typed; 0 for a control character or a key held
// with Ctrl (but not AltGr, which is Ctrl and Alt together).
char32_t TypedChar(wchar_t c) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
  if (c < 0x20 || c == 0x7f || (c >= 0xD800 && c <= 0xDFFF) || ctrl)
    return 0;
  return c;
}

void Apply(HWND field, const ui::FieldEdit& edit, const Win32PageControls& controls) {
  if (!edit.insert.empty())
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Widen(edit.insert).c_str()));
  HWND target = edit.focus != 0 ? controls.Window(edit.focus) : field;
  if (target != nullptr && target != field)
    SetFocus(target);
  if (target != nullptr && edit.caret >= 0)
    SendMessageW(target, EM_SETSEL, static_cast<WPARAM>(edit.caret), edit.caret);
  if (edit.advanceLater)
    PostMessageW(field, kAdvanceFieldMessage, 0, 0);
}

LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
  auto& controls = *reinterpret_cast<Win32PageControls*>(data);
  ui::FieldEditor& editor = controls.Editor();
  const int id = GetDlgCtrlID(field);
  ui::FieldEdit edit;
  switch (message) {
    case WM_CHAR:
      switch (const auto c = static_cast<wchar_t>(wParam); c) {
        case VK_BACK:
          edit = editor.Backspace(id, Caret(field));
          break;
        case L'\t':
        case L'\r':
        case L'\n':
        case VK_ESCAPE:
        case kCtrlV:
          break;
        default:
          edit = editor.Typed(id, Caret(field), TypedChar(c));
      }
      break;
    case WM_KEYDOWN:
      if (wParam == VK_LEFT)
        edit = editor.Left(id, Caret(field));
      break;
    case WM_PASTE:
      if (GetWindowLongW(field, GWL_STYLE) & ES_READONLY)
        return 0;
      edit = editor.Paste(id, Caret(field), ClipboardText(field));
      break;
    case kAdvanceFieldMessage:
      Apply(field, editor.AdvanceIfFull(id, Caret(field)), controls);
      return 0;
    case WM_KILLFOCUS:
      editor.Leave(id, GetWindowTextLengthW(field));
      break;  // the field still sees it
    case WM_NCDESTROY:
      RemoveWindowSubclass(field, FieldProc, 0);
      break;
    default:
      break;
  }
  Apply(field, edit, controls);
  if (edit.consumed)
    return 0;
  return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace

void AttachFieldEvents(HWND field, Win32PageControls& controls) {
  SetWindowSubclass(field, FieldProc, 0, reinterpret_cast<DWORD_PTR>(&controls));
}

}  // namespace km62rx::win32
