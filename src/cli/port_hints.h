#pragma once

#include <string>

#include "device/serial_line.h"

namespace km62rx::cli {

// One English line that says why the port could not be opened and what to
// do about it, or empty when the reason is not known. port is the name the
// user gave (ttyUSB0, /dev/ttyUSB0, a /dev/serial/by-id link, socket://HOST:PORT).
std::string PortOpenHint(const std::string& port, device::OpenFailure why);

}  // namespace km62rx::cli
