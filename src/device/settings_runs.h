#pragma once

#include <functional>
#include <string_view>

#include "device/settings_commands.h"

namespace km62rx::device {

// Called after each step of a run with its number (1..17), item text and
// result (1, 0 or -1), so a caller can show progress.
using RunProgress = std::function<void(int step, std::string_view item, int result)>;

// Sends the pages to the logger, all seventeen settings in order (eight when
// the logger has no time-stamp function). Returns 1 when the run reached its
// end (completion box shown), 0 when it stopped on a link failure.
int SendAllSettings(CommandContext& ctx, const RunProgress& progress = {});
// Fills the pages from the logger, in the same order.
int ReceiveAllSettings(CommandContext& ctx, const RunProgress& progress = {});

}  // namespace km62rx::device
