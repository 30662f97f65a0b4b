#pragma once

#include <memory>
#include <string>
#include <vector>

#include "device/serial_line.h"

namespace km62rx::device {

// The line that opens the named port: a TCP line for a network port
// (socket://HOST:PORT), the serial line for every other name.
std::unique_ptr<SerialLine> MakeLineForPort(const std::string& portName);

// The ports offered to choose from: those found on the machine, then extra
// (named on the command line), then those of the ports file (PortsFilePath),
// each device once. note says why a ports file that is there was ignored,
// and is empty otherwise.
std::vector<std::string> OfferedPorts(const std::vector<std::string>& extra, std::string& note);

}  // namespace km62rx::device
