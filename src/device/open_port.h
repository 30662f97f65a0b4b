#pragma once

#include <string>

#include "device/device_link.h"
#include "device/line_settings.h"
#include "device/results.h"

namespace km62rx::device {

// Opens the port, applies the line settings, wakes the logger with a lone CR
// (reply ignored) and identifies it with "DEA". On kExchangeFailed and
// kNotKm62rx the port stays open; the caller reports and calls
// CloseDeviceLink.
LinkResult OpenDevicePort(DeviceLink& link, const std::string& portName,
                          const LineSettings& settings);

}  // namespace km62rx::device
