#include <cstdio>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/json_output.h"
#include "cli/logger_output.h"
#include "device/command_texts.h"
#include "device/network_port.h"
#include "device/qt/line_for_port.h"
#include "device/qt/port_discovery.h"
#include "settings/file_messages.h"
#include "settings/notifier.h"

namespace km62rx::cli {

namespace {

std::string OrDash(const std::string& text) {
  return text.empty() ? "-" : text;
}

// Four hex digits, as lsusb and udev write USB IDs.
std::string HexId(const std::optional<std::uint16_t>& id) {
  if (!id)
    return "-";
  char text[8];
  std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(*id));
  return text;
}

// The port's name, then one "  key: value" line per fact.
std::string DescribePort(const device::PortDescription& port) {
  std::string text = port.name + "\n";
  text += "  description:   " + OrDash(port.description) + "\n";
  text += "  manufacturer:  " + OrDash(port.manufacturer) + "\n";
  text += "  serial number: " + OrDash(port.serialNumber) + "\n";
  text += "  usb id:        " +
          (port.vendorId ? HexId(port.vendorId) + ":" + HexId(port.productId) : "-") + "\n";
  if (!port.stableLink.empty())
    text += "  link:          " + port.stableLink + "\n";
  return text;
}

// A port of the ports file, which the machine cannot describe.
std::string DescribeConfiguredPort(const std::string& name) {
  std::string text = name + "\n";
  if (const std::optional<device::NetworkAddress> address = device::ParseNetworkPortName(name)) {
    text += "  network:       host " + address->host + ", TCP port " +
            std::to_string(address->port) + " (line settings are the server's)\n";
  }
  text += "  listed in:     " + device::PortsFilePath() + "\n";
  return text;
}

}  // namespace

// Lists the serial ports as the connect dialog does, one name a line, or
// with --long what each one is; with --json all of that as one JSON
// document. The ports of the ports file come after the ports found. With
// none, the dialog's box goes to stderr.
int CmdPorts(const Args& args) {
  ArgParser parser("ports");
  parser.Flag("--long", "-l").Flag("--json");
  if (!parser.Parse(args))
    return UsageError("ports", parser.error());
  EnsureCoreApplication();
  std::string text;
  if (parser.Has("--json")) {
    std::vector<device::PortDescription> ports = device::DescribeSerialPorts();
    std::vector<std::string> names;
    for (const device::PortDescription& port : ports)
      names.push_back(port.name);
    const std::size_t foundCount = names.size();
    device::AppendMissingPorts(names, device::ConfiguredPorts());
    for (std::size_t i = foundCount; i < names.size(); ++i)
      ports.push_back({.name = names[i]});
    if (ports.empty())
      OutputBoxes().Show(settings::kErrorTitle.Get(), device::kNoPortFound.Get());
    if (!WriteDataToStdout(PortsJson(ports)))
      return kExitProblem;
    return ports.empty() ? kExitLink : kExitDone;
  }
  std::vector<std::string> found;
  if (parser.Has("--long")) {
    for (const device::PortDescription& port : device::DescribeSerialPorts()) {
      text += DescribePort(port);
      found.push_back(port.name);
    }
  } else {
    found = device::DiscoverSerialPorts();
    for (const std::string& port : found)
      text += port + "\n";
  }
  const std::size_t foundCount = found.size();
  device::AppendMissingPorts(found, device::ConfiguredPorts());
  for (std::size_t i = foundCount; i < found.size(); ++i)
    text += parser.Has("--long") ? DescribeConfiguredPort(found[i]) : found[i] + "\n";
  if (text.empty()) {
    OutputBoxes().Show(settings::kErrorTitle.Get(), device::kNoPortFound.Get());
    return kExitLink;
  }
  return WriteDataToStdout(text) ? kExitDone : kExitProblem;
}

}  // namespace km62rx::cli
