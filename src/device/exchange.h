#pragma once

#include <string_view>

#include "device/device_link.h"
#include "device/results.h"

namespace km62rx::device {

// Drains stale input, writes the command line and collects the reply until
// its newest byte is CR. kOk with a complete reply; kExchangeFailed when the
// write failed, no complete reply came within 101 poll intervals, the reply
// would overrun the reply area, or the port failed.
LinkResult ExchangeCommand(DeviceLink& link, std::string_view commandLine, Reply& reply);

}  // namespace km62rx::device
