#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/logger_output.h"
#include "device/port_discovery.h"

namespace km62rx::cli {

// The --json document of a device command, indented, with a line end:
//   {"command": "send", "exit_status": 1, "loggers": [{"port": ..., "result":
//    ..., "exit_status": ..., "firmware": "1.23", "sd_card": {...}, "clock":
//    ..., "differences": [...], "notes": [...], "messages": [...]}]}
// The manual page describes every field.
std::string LoggersJson(std::string_view command, const std::vector<LoggerReport>& reports,
                        int status);

// The --json document of ports: {"ports": [{"name": ..., "location": ...,
// "description": ..., "manufacturer": ..., "serial_number": ..., "usb_id":
// "0403:6001", "link": ...}]}, texts the system does not know as null.
std::string PortsJson(const std::vector<device::PortDescription>& ports);

}  // namespace km62rx::cli
