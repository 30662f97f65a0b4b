#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace km62rx::device {

// What a person can recognise a serial port by. Texts the system does not
// know are empty.
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

// The serial ports present now as the system lists them, in no particular
// order: libudev on Linux, the registry's SERIALCOMM map on Windows. The one
// call each platform implements.
std::vector<PortDescription> EnumerateSerialPorts();

// Ports in the order they are offered: USB adapters (those with a vendor ID)
// first, since a logger is connected through one while ttyS0 and the like
// are legacy ports, then the others; each group in the natural order of the
// names, so that ttyS2 comes before ttyS10 and COM2 before COM10.
void OrderPorts(std::vector<PortDescription>& ports);

// The serial ports present now, in that order.
std::vector<PortDescription> DescribeSerialPorts();

// Their names only.
std::vector<std::string> DiscoverSerialPorts();

// The ports offered to choose from: those found on the machine, then extra
// (named on the command line), then those of the ports file (PortsFilePath),
// each device once. note says why a ports file that is there was ignored,
// and is empty otherwise.
std::vector<std::string> OfferedPorts(const std::vector<std::string>& extra, std::string& note);

// The port's USB vendor and product IDs as lsusb and udev write them
// ("0403:6001"); empty unless both are known.
std::string UsbId(const PortDescription& port);

}  // namespace km62rx::device
