#pragma once

#include <string>
#include <vector>

namespace km62rx::device {

// The names of the serial ports present now (ttyUSB0, COM3), in the order
// the platform lists them.
std::vector<std::string> DiscoverSerialPorts();

}  // namespace km62rx::device
