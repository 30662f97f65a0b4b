#include "device/qt/line_for_port.h"

#include <QFile>
#include <QStandardPaths>

#include "device/network_port.h"
#include "device/posix/serial_line.h"
#include "device/qt/port_discovery.h"
#include "device/qt/tcp_line.h"

namespace km62rx::device {

std::unique_ptr<SerialLine> MakeLineForPort(const std::string& portName) {
  if (IsNetworkPortName(portName))
    return std::make_unique<TcpLine>();
  return std::make_unique<PosixSerialLine>();
}

std::string PortsFilePath() {
  // The folder of XDG_CONFIG_HOME, or its default, on Linux.
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return (folder + QStringLiteral("/km62rx/ports")).toStdString();
}

std::vector<std::string> ConfiguredPorts() {
  QFile file(QString::fromStdString(PortsFilePath()));
  if (!file.open(QIODevice::ReadOnly))
    return {};
  const QByteArray text = file.readAll();
  return ParsePortList(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

std::vector<std::string> OfferedPorts(const std::vector<std::string>& extra) {
  std::vector<std::string> ports = DiscoverSerialPorts();
  AppendMissingPorts(ports, extra);
  AppendMissingPorts(ports, ConfiguredPorts());
  return ports;
}

}  // namespace km62rx::device
