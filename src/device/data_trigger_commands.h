#pragma once

#include "device/command_context.h"

namespace km62rx::device {

// The four repeated settings made of data bytes: start trigger (BD), stop
// trigger (ED), time-stamp start condition (PB) and end condition (PE). Each
// entry is a check box and four two-character hex fields.
StepResult SendStartDataTriggers(CommandContext& ctx);
StepResult ReceiveStartDataTriggers(CommandContext& ctx);
StepResult SendStopDataTriggers(CommandContext& ctx);
StepResult ReceiveStopDataTriggers(CommandContext& ctx);
StepResult SendTimestampStartConditions(CommandContext& ctx);
StepResult ReceiveTimestampStartConditions(CommandContext& ctx);
StepResult SendTimestampStopConditions(CommandContext& ctx);
StepResult ReceiveTimestampStopConditions(CommandContext& ctx);

}  // namespace km62rx::device
