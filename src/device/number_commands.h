#pragma once

#include "device/command_context.h"

namespace km62rx::device {

// The numeric single settings: idle times (EI, PI), data sizes (ES, PS) and
// the logging time (EL). Each has an enable check box; "-" on the wire means
// off.
StepResult SendStopIdleTime(CommandContext& ctx);
StepResult ReceiveStopIdleTime(CommandContext& ctx);
StepResult SendStopDataSize(CommandContext& ctx);
StepResult ReceiveStopDataSize(CommandContext& ctx);
StepResult SendStopLogTime(CommandContext& ctx);
StepResult ReceiveStopLogTime(CommandContext& ctx);
StepResult SendTimestampStopIdleTime(CommandContext& ctx);
StepResult ReceiveTimestampStopIdleTime(CommandContext& ctx);
StepResult SendTimestampStopDataSize(CommandContext& ctx);
StepResult ReceiveTimestampStopDataSize(CommandContext& ctx);

}  // namespace km62rx::device
