#pragma once

// What a user's actions send the Win32 window, for the tests that drive it.

#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

#include <cstring>
#include <string>

#include "win32/control_factory.h"

namespace km62rx::testing {

// Puts text on the clipboard as a user's copy does; false when it is held elsewhere.
inline bool PutOnClipboard(HWND owner, const std::wstring& text) {
  if (!OpenClipboard(owner))
    return false;
  EmptyClipboard();
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  return true;
}

// Selects page's item in the page tree as the keyboard would (every item shows: the tree opens
// expanded) and, with click, tells the window of a click there; false without such an item.
inline bool SelectPage(HWND tree, int page, bool click) {
  HTREEITEM item = TreeView_GetRoot(tree);
  while (item != nullptr && win32::PageOfItem(tree, item) != page)
    item = TreeView_GetNextVisible(tree, item);
  if (item == nullptr)
    return false;
  TreeView_SelectItem(tree, item);
  NMHDR header{tree, static_cast<UINT_PTR>(GetDlgCtrlID(tree)), static_cast<UINT>(NM_CLICK)};
  if (click)
    SendMessageW(GetAncestor(tree, GA_ROOT), WM_NOTIFY, header.idFrom,
                 reinterpret_cast<LPARAM>(&header));
  return true;
}

}  // namespace km62rx::testing
