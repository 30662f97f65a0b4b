#pragma once

#include "device/command_context.h"

namespace km62rx::device {

// The single settings without an enable flag: log file extension (LE), the
// three code-valued time-stamp settings (PM, PT, PN), the separator (PP) and
// the excluded data bytes (PD).
StepResult SendLogFileExtension(CommandContext& ctx);
StepResult ReceiveLogFileExtension(CommandContext& ctx);
StepResult SendTimestampMode(CommandContext& ctx);
StepResult ReceiveTimestampMode(CommandContext& ctx);
StepResult SendTimestampType(CommandContext& ctx);
StepResult ReceiveTimestampType(CommandContext& ctx);
StepResult SendTimestampSerialNo(CommandContext& ctx);
StepResult ReceiveTimestampSerialNo(CommandContext& ctx);
StepResult SendTimestampSeparator(CommandContext& ctx);
StepResult ReceiveTimestampSeparator(CommandContext& ctx);
StepResult SendTimestampExcludedData(CommandContext& ctx);
StepResult ReceiveTimestampExcludedData(CommandContext& ctx);

}  // namespace km62rx::device
