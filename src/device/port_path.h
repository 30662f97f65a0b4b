#pragma once

#include <string>
#include <string_view>

namespace km62rx::device {

// The device path a port name stands for. A name holding a slash is a path,
// made absolute against the current folder when it is relative (./sim_a);
// a bare name is the device of that name under /dev (ttyUSB0). Network ports
// (socket://HOST:PORT) stay as they are. On Windows a bare name is the
// device \\.\NAME (COM3 gives \\.\COM3) and any other name stays as it is.
// Every place that turns a port name into a device path uses this.
std::string DevicePath(std::string_view port);

// One name per device, to tell when two names are one port: the device path
// with its links resolved (ttyUSB0, /dev/ttyUSB0 and a /dev/serial/by-id
// link to it give /dev/ttyUSB0); the device path itself when there is no such
// device. Network names stay as they are; on Windows, where device names
// know no case, the device path in capitals (com3 and \\.\COM3 give \\.\COM3).
std::string PortIdentity(std::string_view port);

}  // namespace km62rx::device
