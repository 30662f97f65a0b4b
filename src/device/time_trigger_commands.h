#pragma once

#include "device/command_context.h"

namespace km62rx::device {

// The two repeated time-of-day settings: start trigger (BT) and stop
// trigger (ET). Each entry is a check box, a weekday combo and hour and
// minute fields.
StepResult SendStartTimeTriggers(CommandContext& ctx);
StepResult ReceiveStartTimeTriggers(CommandContext& ctx);
StepResult SendStopTimeTriggers(CommandContext& ctx);
StepResult ReceiveStopTimeTriggers(CommandContext& ctx);

}  // namespace km62rx::device
