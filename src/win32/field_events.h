#pragma once

#include <windows.h>

namespace km62rx::win32 {

class Win32PageControls;

// Hands the events of a page field to the field editor and carries out its
// answer: typed characters (WM_CHAR), Backspace, Left, every paste (Ctrl+V,
// Shift+Insert and the context menu all arrive as WM_PASTE) with the
// clipboard's text, and leaving the field. The move on to the next byte
// after a typed digit is posted to the field, so that it runs once the field
// took the character. The field's window ID is its control ID; controls must
// outlive the field.
void AttachFieldEvents(HWND field, Win32PageControls& controls);

}  // namespace km62rx::win32
