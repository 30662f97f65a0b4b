#pragma once

#include "device/command_context.h"

namespace km62rx::device {

// The numeric single settings: idle times (EI, PI), data sizes (ES, PS) and
// the logging time (EL). Each has an enable check box; "-" on the wire means
// off.
SettingCommand SendStopIdleTime, ReceiveStopIdleTime;
SettingCommand SendStopDataSize, ReceiveStopDataSize;
SettingCommand SendStopLogTime, ReceiveStopLogTime;
SettingCommand SendTimestampStopIdleTime, ReceiveTimestampStopIdleTime;
SettingCommand SendTimestampStopDataSize, ReceiveTimestampStopDataSize;

}  // namespace km62rx::device
