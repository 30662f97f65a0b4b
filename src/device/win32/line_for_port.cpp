#include "device/line_for_port.h"

#include "device/network_port.h"
#include "device/sockets/socket_line.h"
#include "device/win32/serial_line.h"

namespace km62rx::device {

std::unique_ptr<SerialLine> MakeLineForPort(const std::string& portName) {
  if (IsNetworkPortName(portName))
    return std::make_unique<SocketLine>();
  return std::make_unique<Win32SerialLine>();
}

}  // namespace km62rx::device
