#include "device/port_discovery.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "device/port_list.h"

namespace km62rx::device {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Names compared with each run of digits as a number: "ttyS2" < "ttyS10".
bool NaturallyBefore(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      std::size_t endA = i, endB = j;
      while (endA < a.size() && IsDigit(a[endA]))
        ++endA;
      while (endB < b.size() && IsDigit(b[endB]))
        ++endB;
      // Without leading zeros, the longer run is the larger number.
      std::string_view numberA = a.substr(i, endA - i), numberB = b.substr(j, endB - j);
      numberA.remove_prefix(std::min(numberA.find_first_not_of('0'), numberA.size()));
      numberB.remove_prefix(std::min(numberB.find_first_not_of('0'), numberB.size()));
      if (numberA.size() != numberB.size())
        return numberA.size() < numberB.size();
      if (numberA != numberB)
        return numberA < numberB;
      i = endA;
      j = endB;
    } else {
      if (a[i] != b[j])
        return a[i] < b[j];
      ++i;
      ++j;
    }
  }
  return a.size() - i < b.size() - j;
}

}  // namespace

void OrderPorts(std::vector<PortDescription>& ports) {
  std::stable_sort(ports.begin(), ports.end(),
                   [](const PortDescription& a, const PortDescription& b) {
                     if (a.vendorId.has_value() != b.vendorId.has_value())
                       return a.vendorId.has_value();
                     return NaturallyBefore(a.name, b.name);
                   });
}

std::vector<PortDescription> DescribeSerialPorts() {
  std::vector<PortDescription> ports = EnumerateSerialPorts();
  OrderPorts(ports);
  return ports;
}

std::vector<std::string> DiscoverSerialPorts() {
  std::vector<std::string> names;
  for (const PortDescription& port : DescribeSerialPorts())
    names.push_back(port.name);
  return names;
}

std::vector<std::string> OfferedPorts(const std::vector<std::string>& extra, std::string& note) {
  std::vector<std::string> ports = DiscoverSerialPorts();
  AppendMissingPorts(ports, extra);
  PortsFile file = ReadPortsFile(PortsFilePath());
  AppendMissingPorts(ports, file.ports);
  note = std::move(file.note);
  return ports;
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
