#include "device/line_for_port.h"

#include "device/network_port.h"
#include "device/posix/serial_line.h"
#include "device/sockets/socket_line.h"

namespace km62rx::device {

std::unique_ptr<SerialLine> MakeLineForPort(const std::string& portName) {
  if (IsNetworkPortName(portName))
    return std::make_unique<SocketLine>();
  return std::make_unique<PosixSerialLine>();
}

}  // namespace km62rx::device
