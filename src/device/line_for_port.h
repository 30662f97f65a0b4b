#pragma once

#include <memory>
#include <string>

#include "device/serial_line.h"

namespace km62rx::device {

// The line that opens the named port: the sockets line for a network port
// (socket://HOST:PORT), the platform's serial line for every other name.
std::unique_ptr<SerialLine> MakeLineForPort(const std::string& portName);

}  // namespace km62rx::device
