#pragma once

#include <string>
#include <vector>

#include "cli/wire_values.h"
#include "device/device_link.h"
#include "settings/notifier.h"

namespace km62rx::cli {

// Reads every setting back from a connected logger (as "本体設定受信" does,
// without progress lines or its completion box) and compares what it holds
// with expected. kExitDone with the differences (a setting that could not
// be read counts as one), or kExitLink when the link failed on the way.
int ReadBackDifferences(device::DeviceLink& link, Notifier& boxes,
                        const std::vector<WireValue>& expected,
                        std::vector<WireDifference>& differences);

// Receives the logger's settings into the settings file path, as "receive
// -o path" does but without progress lines. kExitDone when every setting was
// read and saved as it is; kExitProblem when a setting could not be read or
// the save had to change a value; kExitUsage when the file could not be
// written; kExitLink when the link failed.
int BackUpLoggerSettings(device::DeviceLink& link, Notifier& boxes, const std::string& path);

}  // namespace km62rx::cli
