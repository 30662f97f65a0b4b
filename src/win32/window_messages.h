#pragma once

#include <windows.h>

namespace km62rx::win32 {

// The window's own messages, each a call queued to run after the event being
// handled now (never WM_USER or WM_USER + 1, which dialog messages use).
// The main window runs its next queued call (the page switch after a click
// in the tree).
inline constexpr UINT kQueuedCallMessage = 1124;
// A page field moves on to the next byte once it took a typed digit.
inline constexpr UINT kAdvanceFieldMessage = 1125;
// The main window checks its serial line for a logger that went away.
inline constexpr UINT kCheckLineMessage = 1126;

// The timer that checks the serial line while a port is open.
inline constexpr UINT_PTR kLineCheckTimer = 1;
inline constexpr UINT kLineCheckIntervalMs = 500;

}  // namespace km62rx::win32
