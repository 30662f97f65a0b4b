#include "device/qt/port_discovery.h"

#include <QSerialPortInfo>

namespace km62rx::device {

std::vector<std::string> OrderedPortNames(const std::vector<FoundPort>& ports) {
  std::vector<std::string> names;
  names.reserve(ports.size());
  for (const bool usb : {true, false}) {
    for (const FoundPort& port : ports) {
      if (port.hasUsbVendorId == usb)
        names.push_back(port.name);
    }
  }
  return names;
}

std::vector<std::string> DiscoverSerialPorts() {
  std::vector<FoundPort> found;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    found.push_back({info.portName().toStdString(), info.hasVendorIdentifier()});
  }
  return OrderedPortNames(found);
}

}  // namespace km62rx::device
