#include "win32/control_factory.h"

#include <commctrl.h>
#include <imm.h>

#include <map>

#include "win32/dpi.h"
#include "win32/wide_text.h"

namespace km62rx::win32 {
namespace {

using ui::ControlKind;

struct WindowClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle;
};

WindowClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::kFrame:
    case ControlKind::kVisibleFrame:
      return {WC_BUTTONW, BS_GROUPBOX, 0};
    case ControlKind::kPushButton:
      return {WC_BUTTONW, BS_PUSHBUTTON, 0};
    case ControlKind::kCheck:
      return {WC_BUTTONW, BS_AUTOCHECKBOX, 0};
    case ControlKind::kLabel:
    case ControlKind::kStatusText:
      return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::kHexField:
    case ControlKind::kTimeField:
    case ControlKind::kNumberField:
    case ControlKind::kTextField:
      return {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kCombo:
      return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case ControlKind::kTreeView:
      return {WC_TREEVIEWW,
              TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_VSCROLL,
              WS_EX_CLIENTEDGE};
  }
  return {WC_STATICW, 0, 0};
}

DWORD StyleOf(const ui::ControlSpec& def, const ui::ControlBehaviour& behaviour) {
  DWORD style = WS_CHILD | ClassOf(def.kind).style;
  if (!behaviour.startsHidden)
    style |= WS_VISIBLE;
  if (!def.initiallyEnabled)
    style |= WS_DISABLED;
  // Each control is a group of its own: the arrow keys stay with it.
  if (behaviour.tabStop)
    style |= WS_TABSTOP | WS_GROUP;
  if (behaviour.digitsOnly)
    style |= ES_NUMBER;  // typing only; a paste is checked by the field editor
  if (behaviour.rightAligned)
    style = (style & ~ES_LEFT) | ES_RIGHT;
  return style;
}

// A push button that never becomes the default one, so that Enter presses
// none: the dialog manager's attempt to make the focused button default is
// turned back into a plain push button.
LRESULT CALLBACK NeverDefaultButton(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR) {
  if (message == BM_SETSTYLE && (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
    wParam = (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_PUSHBUTTON;
  if (message == WM_NCDESTROY)
    RemoveWindowSubclass(button, NeverDefaultButton, 0);
  return DefSubclassProc(button, message, wParam, lParam);
}

void TurnComposedInputOff(HWND edit) {
  // Not every system has ImmAssociateContextEx (IACE_* flags 0: no context).
  if (!ImmAssociateContextEx(edit, nullptr, 0))
    ImmAssociateContext(edit, nullptr);
}

}  // namespace

bool IsEditKind(ControlKind kind) {
  return kind == ControlKind::kHexField || kind == ControlKind::kTimeField ||
         kind == ControlKind::kNumberField || kind == ControlKind::kTextField;
}

HWND CreateControl(const ui::ControlSpec& def, HWND parent, UINT dpi) {
  const ui::ControlBehaviour behaviour = ui::BehaviourOf(def);
  const WindowClass windowClass = ClassOf(def.kind);
  const ui::Geometry& g = def.geometry;
  const std::wstring text = def.kind == ControlKind::kCombo ? L"" : Widen(def.text);
  HWND control = CreateWindowExW(
      windowClass.exStyle, windowClass.name, text.c_str(), StyleOf(def, behaviour), Scale(g.x, dpi),
      Scale(g.y, dpi), Scale(g.width, dpi), Scale(g.height, dpi), parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(def.id)), GetModuleHandleW(nullptr), nullptr);
  if (control == nullptr)
    return nullptr;
  if (def.limit > 0)
    SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(def.limit), 0);
  if (!behaviour.inputMethod || def.filter != ui::InputFilter::kNone)
    TurnComposedInputOff(control);
  if (def.kind == ControlKind::kPushButton && !behaviour.enterPresses)
    SetWindowSubclass(control, NeverDefaultButton, 0, 0);
  for (const std::string& item : def.items)
    SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
  if (def.kind == ControlKind::kCombo && def.initialIndex >= 0 &&
      def.initialIndex < static_cast<int>(def.items.size()))
    SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(def.initialIndex), 0);
  return control;
}

void PlaceControl(HWND control, const ui::ControlSpec& def, UINT dpi, HFONT font) {
  // The font first: a drop-down list takes its closed height from it.
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const ui::Geometry& g = def.geometry;
  SetWindowPos(control, nullptr, Scale(g.x, dpi), Scale(g.y, dpi), Scale(g.width, dpi),
               Scale(g.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(control, nullptr, TRUE);
}

void BuildPageTree(HWND tree) {
  std::map<int, HTREEITEM> byPage;
  for (const ui::TreeItemSpec& def : ui::TreeItems()) {
    std::wstring text = Widen(def.text);
    TVINSERTSTRUCTW insert{};
    const auto parent = byPage.find(def.parentPage);
    insert.hParent = parent == byPage.end() ? TVI_ROOT : parent->second;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = text.data();
    insert.item.lParam = def.page;
    byPage[def.page] = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  }
  for (int page : ui::ExpandedBranchPages()) {
    if (const auto it = byPage.find(page); it != byPage.end())
      SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(it->second));
  }
}

int PageOfItem(HWND tree, HTREEITEM item) {
  if (item == nullptr)
    return 0;
  TVITEMW query{};
  query.mask = TVIF_PARAM;
  query.hItem = item;
  if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)))
    return 0;
  return static_cast<int>(query.lParam);
}

}  // namespace km62rx::win32
