#pragma once

#include "device/command_context.h"

namespace km62rx::device {

// The four repeated settings made of data bytes: start trigger (BD), stop
// trigger (ED), time-stamp start condition (PB) and end condition (PE). Each
// entry is a check box and four two-character hex fields.
SettingCommand SendStartDataTriggers, ReceiveStartDataTriggers;
SettingCommand SendStopDataTriggers, ReceiveStopDataTriggers;
SettingCommand SendTimestampStartConditions, ReceiveTimestampStartConditions;
SettingCommand SendTimestampStopConditions, ReceiveTimestampStopConditions;

}  // namespace km62rx::device
