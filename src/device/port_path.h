#pragma once

#include <string>
#include <string_view>

namespace km62rx::device {

// The device path a port name stands for. A name holding a slash is a path,
// made absolute against the current folder when it is relative (./sim_a);
// a bare name is the device of that name under /dev (ttyUSB0). Network ports
// (socket://HOST:PORT) and every name on Windows (COM3, \\.\COM10) stay as
// they are. Every place that turns a port name into a device path uses this.
std::string DevicePath(std::string_view port);

// One name per device, to tell when two names are one port: the device path
// with its links resolved (ttyUSB0, /dev/ttyUSB0 and a /dev/serial/by-id
// link to it give /dev/ttyUSB0); the device path itself when there is no such
// device. Network and Windows names stay as they are.
std::string PortIdentity(std::string_view port);

}  // namespace km62rx::device
