#include "device/qt/port_discovery.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace km62rx::device {

namespace {

// The folder in which udev names each USB serial adapter by its maker,
// product and serial number: names that stay the same across plug-ins and
// reboots, unlike ttyUSB0.
constexpr const char* kStableLinkFolder = "/dev/serial/by-id";

// The link in the stable folder that leads to device, or empty.
std::string StableLinkTo(const std::string& device) {
  std::error_code error;
  const std::filesystem::path target = std::filesystem::canonical(device, error);
  if (error)
    return {};
  std::filesystem::directory_iterator entries(kStableLinkFolder, error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    std::error_code ignored;
    if (std::filesystem::canonical(entries->path(), ignored) == target)
      return entries->path().string();
  }
  return {};
}

}  // namespace

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

std::vector<PortDescription> DescribeSerialPorts() {
  std::vector<PortDescription> found;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    PortDescription port;
    port.name = info.portName().toStdString();
    port.location = info.systemLocation().toStdString();
    port.description = info.description().toStdString();
    port.manufacturer = info.manufacturer().toStdString();
    port.serialNumber = info.serialNumber().toStdString();
    if (info.hasVendorIdentifier())
      port.vendorId = info.vendorIdentifier();
    if (info.hasProductIdentifier())
      port.productId = info.productIdentifier();
    port.stableLink = StableLinkTo(port.location);
    found.push_back(std::move(port));
  }
  // The same order as the plain list: USB adapters first.
  std::stable_partition(found.begin(), found.end(),
                        [](const PortDescription& port) { return port.vendorId.has_value(); });
  return found;
}

std::string UsbId(const PortDescription& port) {
  if (!port.vendorId || !port.productId)
    return {};
  char text[16];
  std::snprintf(text, sizeof text, "%04x:%04x", static_cast<unsigned>(*port.vendorId),
                static_cast<unsigned>(*port.productId));
  return text;
}

}  // namespace km62rx::device
