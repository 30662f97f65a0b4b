#include "device/qt/line_for_port.h"

#include "device/network_port.h"
#include "device/port_list.h"
#include "device/qt/port_discovery.h"
#include "device/qt/qt_serial_line.h"
#include "device/qt/tcp_line.h"

namespace km62rx::device {

std::unique_ptr<SerialLine> MakeLineForPort(const std::string& portName) {
  if (IsNetworkPortName(portName))
    return std::make_unique<TcpLine>();
  return std::make_unique<QtSerialLine>();
}

std::vector<std::string> OfferedPorts(const std::vector<std::string>& extra, std::string& note) {
  std::vector<std::string> ports = DiscoverSerialPorts();
  AppendMissingPorts(ports, extra);
  PortsFile file = ReadPortsFile(PortsFilePath());
  AppendMissingPorts(ports, file.ports);
  note = std::move(file.note);
  return ports;
}

}  // namespace km62rx::device
