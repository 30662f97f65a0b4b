#pragma once

#include "device/command_context.h"

namespace km62rx::device {

// The two repeated time-of-day settings: start trigger (BT) and stop
// trigger (ET). Each entry is a check box, a weekday combo and hour and
// minute fields.
SettingCommand SendStartTimeTriggers, ReceiveStartTimeTriggers;
SettingCommand SendStopTimeTriggers, ReceiveStopTimeTriggers;

}  // namespace km62rx::device
