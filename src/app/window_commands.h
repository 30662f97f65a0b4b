#pragma once

#include <vector>

#include "app/app_context.h"

namespace km62rx::app {

// Runs the command of a menu item or button of the main window by its ID:
// 100 exit, 101 About, 400 connect, 401 disconnect, 415 send, 416 receive,
// 417 save, 418 load, 420 clock from the PC, 421 typed clock to the logger,
// 422 typed clock into a file. Returns false for an ID without a command.
bool RunWindowCommand(int id, AppContext& ctx);

// The button IDs that have a command, in the order the window connects them.
const std::vector<int>& WindowButtonCommands();

}  // namespace km62rx::app
