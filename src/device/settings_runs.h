#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "device/command_context.h"
#include "device/results.h"
#include "settings/language.h"

namespace km62rx::device {

// Called after each step of a run with its number (1..17), item text and
// result, so a caller can show progress.
using RunProgress = std::function<void(int step, std::string_view item, StepResult result)>;

// The title of the receive run's completion box.
inline constexpr LocalText kReceiveDoneTitle{"取得完了", "Settings received"};

// Every text of the runs' boxes, for the check that each has its English.
std::vector<LocalText> SettingsRunTexts();

// Sends the pages to the logger, all seventeen settings in order (eight when
// the logger has no time-stamp function). Its result is kFinished when the
// run reached its end (completion box shown), kLinkFailed when it stopped on
// a link failure; beside it, how many steps were refused or told the user
// something.
RunOutcome SendAllSettings(CommandContext& ctx, const RunProgress& progress = {});
// Fills the pages from the logger, in the same order.
RunOutcome ReceiveAllSettings(CommandContext& ctx, const RunProgress& progress = {});

}  // namespace km62rx::device
