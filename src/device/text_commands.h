#pragma once

#include "device/command_context.h"

namespace km62rx::device {

// The single settings without an enable flag: log file extension (LE), the
// three code-valued time-stamp settings (PM, PT, PN), the separator (PP) and
// the excluded data bytes (PD).
SettingCommand SendLogFileExtension, ReceiveLogFileExtension;
SettingCommand SendTimestampMode, ReceiveTimestampMode;
SettingCommand SendTimestampType, ReceiveTimestampType;
SettingCommand SendTimestampSerialNo, ReceiveTimestampSerialNo;
SettingCommand SendTimestampSeparator, ReceiveTimestampSeparator;
SettingCommand SendTimestampExcludedData, ReceiveTimestampExcludedData;

}  // namespace km62rx::device
