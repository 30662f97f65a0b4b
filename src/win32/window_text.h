#pragma once

#include <windows.h>

#include <string>

namespace km62rx::win32 {

// A window's text as UTF-8.
std::string WindowText(HWND window);

// The clipboard's text as UTF-8, what a paste takes; empty when it holds
// none or cannot be opened.
std::string ClipboardText(HWND owner);

}  // namespace km62rx::win32
