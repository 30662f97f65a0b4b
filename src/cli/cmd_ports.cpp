#include <optional>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/json_output.h"
#include "cli/logger_output.h"
#include "device/command_texts.h"
#include "device/network_port.h"
#include "device/port_discovery.h"
#include "device/port_list.h"
#include "settings/file_messages.h"
#include "settings/notifier.h"

namespace km62rx::cli {

namespace {

std::string OrDash(const std::string& text) {
  return text.empty() ? "-" : text;
}

// The port's name, then one "  key: value" line per fact.
std::string DescribePort(const device::PortDescription& port) {
  std::string text = port.name + "\n";
  text += "  description:   " + OrDash(port.description) + "\n";
  text += "  manufacturer:  " + OrDash(port.manufacturer) + "\n";
  text += "  serial number: " + OrDash(port.serialNumber) + "\n";
  text += "  usb id:        " + OrDash(device::UsbId(port)) + "\n";
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

// The ports found on the machine, then those of the ports file that are not
// among them, which carry only their name.
struct ListedPorts {
  std::vector<device::PortDescription> ports;
  std::size_t found = 0;
};

ListedPorts ListPorts() {
  ListedPorts listed{device::DescribeSerialPorts()};
  listed.found = listed.ports.size();
  std::vector<std::string> names;
  for (const device::PortDescription& port : listed.ports)
    names.push_back(port.name);
  const device::PortsFile file = device::ReadPortsFile(device::PortsFilePath());
  if (!file.note.empty())
    Output().Err("km62rx: note: " + file.note);
  device::AppendMissingPorts(names, file.ports);
  for (std::size_t i = listed.found; i < names.size(); ++i)
    listed.ports.emplace_back().name = names[i];
  return listed;
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
  const ListedPorts listed = ListPorts();
  const bool none = listed.ports.empty();
  if (none)
    OutputBoxes().Show(settings::kErrorTitle.Get(), device::kNoPortFound.Get());
  if (parser.Has("--json")) {
    if (!WriteDataToStdout(PortsJson(listed.ports)))
      return kExitProblem;
    return none ? kExitLink : kExitDone;
  }
  if (none)
    return kExitLink;
  std::string text;
  for (std::size_t i = 0; i < listed.ports.size(); ++i) {
    const device::PortDescription& port = listed.ports[i];
    if (!parser.Has("--long"))
      text += port.name + "\n";
    else
      text += i < listed.found ? DescribePort(port) : DescribeConfiguredPort(port.name);
  }
  return WriteDataToStdout(text) ? kExitDone : kExitProblem;
}

}  // namespace km62rx::cli
