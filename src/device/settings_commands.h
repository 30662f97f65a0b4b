#pragma once

#include "device/device_link.h"
#include "device/page_controls.h"
#include "settings/notifier.h"

namespace km62rx::device {

// Everything a settings command works on: the link, the pages it reads or
// writes, and the owner of its boxes (the main window).
struct CommandContext {
  DeviceLink& link;
  PageControls& pages;
  Notifier& mainWindow;
};

// Each returns 1 (done), 0 (refused or wrong reply; the user was told) or
// -1 (link failed, or the SD-card error 51 which was shown).
int SendStartDataTriggers(CommandContext& ctx);
int ReceiveStartDataTriggers(CommandContext& ctx);
int SendStartTimeTriggers(CommandContext& ctx);
int ReceiveStartTimeTriggers(CommandContext& ctx);
int SendStopDataTriggers(CommandContext& ctx);
int ReceiveStopDataTriggers(CommandContext& ctx);
int SendStopTimeTriggers(CommandContext& ctx);
int ReceiveStopTimeTriggers(CommandContext& ctx);
int SendStopIdleTime(CommandContext& ctx);
int ReceiveStopIdleTime(CommandContext& ctx);
int SendStopDataSize(CommandContext& ctx);
int ReceiveStopDataSize(CommandContext& ctx);
int SendStopLogTime(CommandContext& ctx);
int ReceiveStopLogTime(CommandContext& ctx);
int SendLogFileExtension(CommandContext& ctx);
int ReceiveLogFileExtension(CommandContext& ctx);
int SendTimestampMode(CommandContext& ctx);
int ReceiveTimestampMode(CommandContext& ctx);
int SendTimestampType(CommandContext& ctx);
int ReceiveTimestampType(CommandContext& ctx);
int SendTimestampSerialNo(CommandContext& ctx);
int ReceiveTimestampSerialNo(CommandContext& ctx);
int SendTimestampSeparator(CommandContext& ctx);
int ReceiveTimestampSeparator(CommandContext& ctx);
int SendTimestampExcludedData(CommandContext& ctx);
int ReceiveTimestampExcludedData(CommandContext& ctx);
int SendTimestampStartConditions(CommandContext& ctx);
int ReceiveTimestampStartConditions(CommandContext& ctx);
int SendTimestampStopConditions(CommandContext& ctx);
int ReceiveTimestampStopConditions(CommandContext& ctx);
int SendTimestampStopIdleTime(CommandContext& ctx);
int ReceiveTimestampStopIdleTime(CommandContext& ctx);
int SendTimestampStopDataSize(CommandContext& ctx);
int ReceiveTimestampStopDataSize(CommandContext& ctx);

}  // namespace km62rx::device
