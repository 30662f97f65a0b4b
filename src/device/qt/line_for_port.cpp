#include "device/qt/line_for_port.h"

#include "device/network_port.h"
#include "device/qt/qt_serial_line.h"
#include "device/qt/tcp_line.h"

namespace km62rx::device {

std::unique_ptr<SerialLine> MakeLineForPort(const std::string& portName) {
  if (IsNetworkPortName(portName))
    return std::make_unique<TcpLine>();
  return std::make_unique<QtSerialLine>();
}

}  // namespace km62rx::device
