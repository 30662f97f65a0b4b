#pragma once

#include <memory>
#include <string>
#include <vector>

#include "device/serial_line.h"

namespace km62rx::device {

// The line that opens the named port: the sockets line for a network port
// (socket://HOST:PORT), the serial line for every other name.
std::unique_ptr<SerialLine> MakeLineForPort(const std::string& portName);

// The ports file, $XDG_CONFIG_HOME/km62rx/ports (~/.config/km62rx/ports by
// default): ports to offer beyond those found on the machine, such as
// network ports.
std::string PortsFilePath();

// The ports named in the ports file; none when there is no such file.
std::vector<std::string> ConfiguredPorts();

// The ports offered to choose from: those found on the machine, then extra
// (named on the command line), then those of the ports file, each once.
std::vector<std::string> OfferedPorts(const std::vector<std::string>& extra = {});

}  // namespace km62rx::device
