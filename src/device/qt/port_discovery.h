#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace km62rx::device {

// One serial port as discovery finds it.
struct FoundPort {
  std::string name;             // ttyUSB0, COM3
  bool hasUsbVendorId = false;  // a USB adapter, the kind a logger is plugged in by
};

// The port names in the order they are offered: ports with a USB vendor ID
// first (a logger is connected through a USB adapter, while ttyS0 and the
// like are legacy ports), then the others, each group in the platform's
// order.
std::vector<std::string> OrderedPortNames(const std::vector<FoundPort>& ports);

// The names of the serial ports present now, in the order above.
std::vector<std::string> DiscoverSerialPorts();

// What a person can recognise a port by. Texts the system does not know are
// empty.
struct PortDescription {
  std::string name;         // ttyUSB0, COM3
  std::string location;     // /dev/ttyUSB0
  std::string description;  // the adapter's product text
  std::string manufacturer;
  std::string serialNumber;
  std::optional<std::uint16_t> vendorId;
  std::optional<std::uint16_t> productId;
  std::string stableLink;  // a /dev/serial/by-id/... link to the port, where there is one
};

// The serial ports present now, in the order of DiscoverSerialPorts.
std::vector<PortDescription> DescribeSerialPorts();

// The port's USB vendor and product IDs as lsusb and udev write them
// ("0403:6001"); empty unless both are known.
std::string UsbId(const PortDescription& port);

}  // namespace km62rx::device
