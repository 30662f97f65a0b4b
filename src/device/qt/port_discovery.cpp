#include "device/qt/port_discovery.h"

#include <QSerialPortInfo>

namespace km62rx::device {

std::vector<std::string> DiscoverSerialPorts() {
  std::vector<std::string> names;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    names.push_back(info.portName().toStdString());
  }
  return names;
}

}  // namespace km62rx::device
