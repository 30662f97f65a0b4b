#pragma once

#include <string>
#include <string_view>

#include "device/device_link.h"
#include "device/line_settings.h"
#include "settings/notifier.h"

namespace km62rx::device {

// Opens the port, applies the line settings, wakes the logger with a lone CR
// (reply ignored) and identifies it with "DEA". Returns 0 (identified),
// 1 (port not opened), 2 (exchange failed) or 3 (not a KM-62RX). On 2 and 3
// the port stays open; the caller reports and calls CloseDeviceLink.
int OpenDevicePort(DeviceLink& link, const std::string& portName, const LineSettings& settings);

// Drains stale input, writes the command line and collects the reply until
// its newest byte is CR. Returns 0 with a complete reply, 2 when the write
// failed, no complete reply came within 101 poll intervals, the reply would
// overrun the reply area, or the port failed.
int ExchangeCommand(DeviceLink& link, std::string_view commandLine, Reply& reply);

// Shows the box for a link or device result code.
void ReportLinkError(int code, Notifier& owner);

// The title and text ReportLinkError shows for a code.
struct LinkErrorBox {
  std::string title;
  std::string text;
};
LinkErrorBox LinkErrorMessage(int code);

}  // namespace km62rx::device
