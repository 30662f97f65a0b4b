#pragma once

#include "device/device_link.h"
#include "device/page_controls.h"
#include "device/results.h"
#include "settings/notifier.h"

namespace km62rx::device {

// Everything a settings command works on: the link, the pages it reads or
// writes, and the owner of its boxes (the main window).
struct CommandContext {
  DeviceLink& link;
  PageControls& pages;
  Notifier& mainWindow;
};

// Each returns kDone, kRefused (refused or wrong reply; the user was told)
// or kLinkFailed (link failed, or the SD-card error 51, which was shown).
StepResult SendStartDataTriggers(CommandContext& ctx);
StepResult ReceiveStartDataTriggers(CommandContext& ctx);
StepResult SendStartTimeTriggers(CommandContext& ctx);
StepResult ReceiveStartTimeTriggers(CommandContext& ctx);
StepResult SendStopDataTriggers(CommandContext& ctx);
StepResult ReceiveStopDataTriggers(CommandContext& ctx);
StepResult SendStopTimeTriggers(CommandContext& ctx);
StepResult ReceiveStopTimeTriggers(CommandContext& ctx);
StepResult SendStopIdleTime(CommandContext& ctx);
StepResult ReceiveStopIdleTime(CommandContext& ctx);
StepResult SendStopDataSize(CommandContext& ctx);
StepResult ReceiveStopDataSize(CommandContext& ctx);
StepResult SendStopLogTime(CommandContext& ctx);
StepResult ReceiveStopLogTime(CommandContext& ctx);
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
StepResult SendTimestampStartConditions(CommandContext& ctx);
StepResult ReceiveTimestampStartConditions(CommandContext& ctx);
StepResult SendTimestampStopConditions(CommandContext& ctx);
StepResult ReceiveTimestampStopConditions(CommandContext& ctx);
StepResult SendTimestampStopIdleTime(CommandContext& ctx);
StepResult ReceiveTimestampStopIdleTime(CommandContext& ctx);
StepResult SendTimestampStopDataSize(CommandContext& ctx);
StepResult ReceiveTimestampStopDataSize(CommandContext& ctx);

}  // namespace km62rx::device
