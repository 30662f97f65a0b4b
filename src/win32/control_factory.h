#pragma once

#include <windows.h>
// windows.h first.
#include <commctrl.h>

#include "ui/control_behaviour.h"

namespace km62rx::win32 {

// Creates the child window of one table row, its window ID the control ID,
// with its text, limit, items and initial selection, the style of its kind
// and the behaviour of its kind (BehaviourOf): hidden page controls, digits
// only, right-aligned, no composed input, the tab stop, push buttons that
// never become default. Placed at the row's geometry scaled to dpi (a
// drop-down list's height is that of its opened list).
HWND CreateControl(const ui::ControlSpec& def, HWND parent, UINT dpi);

// Whether a kind of control is an edit field.
bool IsEditKind(ui::ControlKind kind);

// Moves a control to its row's geometry at dpi and gives it font.
void PlaceControl(HWND control, const ui::ControlSpec& def, UINT dpi, HFONT font);

// Inserts the tree items (each carrying its page number as its parameter)
// and expands the branches.
void BuildPageTree(HWND tree);

// The page number of a tree item; 0 for none.
int PageOfItem(HWND tree, HTREEITEM item);

}  // namespace km62rx::win32
