#pragma once

#include <windows.h>

#include "win32/window_context.h"

namespace km62rx::win32 {

// The three dialogs, drawn from their descriptions and run modally over the
// main window; each returns when its dialog has closed.

// "シリアル接続": shows the box "COMポートが見つかりません。" instead when
// no port is listed.
void RunConnectDialog(const WindowContext& ctx);
// "本体時刻設定": clockDialogTarget 1 sends the typed time to the logger, 0
// stores it in a settings file.
void RunClockDialog(const WindowContext& ctx, int clockDialogTarget);
// "バージョン情報".
void ShowAboutBox(HWND owner);

}  // namespace km62rx::win32
