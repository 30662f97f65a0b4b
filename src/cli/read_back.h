#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/value_notes.h"
#include "cli/wire_values.h"
#include "device/device_link.h"
#include "settings/notifier.h"

namespace km62rx::cli {

// Reads every setting back from a connected logger (as "本体設定受信" does,
// without progress lines or its completion box) and compares what it holds
// with expected. kExitDone with the differences (a setting that could not
// be read counts as one, and so does a reply the run refused); kExitProblem
// with them when the run told of a problem on the way; kExitLink when the
// link failed.
int ReadBackDifferences(device::DeviceLink& link, Notifier& boxes,
                        const std::vector<WireValue>& expected,
                        std::vector<WireDifference>& differences);

// Receives the logger's settings into the settings file path, as "receive
// -o path" does but without progress lines. kExitDone when every setting was
// read and saved as it is; kExitProblem when a setting could not be read
// (nothing is written then) or the save had to change a value; kExitUsage
// when the file could not be written; kExitLink when the link failed.
int BackUpLoggerSettings(device::DeviceLink& link, Notifier& boxes, const std::string& path);

// After a receive that could not read every setting, in place of writing
// target: one line that names the settings not read and says that target
// was left as it was. kExitProblem.
int LeaveUnwritten(std::string_view target, const LoggerValues& values,
                   const device::DeviceLink& link);

}  // namespace km62rx::cli
