#include <cstdio>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/json_output.h"
#include "device/command_texts.h"
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

}  // namespace

// Lists the serial ports as the connect dialog does, one name a line, or
// with --long what each one is; with --json all of that as one JSON
// document. With none, the dialog's box goes to stderr.
int CmdPorts(const Args& args) {
  ArgParser parser("ports");
  parser.Flag("--long", "-l").Flag("--json");
  if (!parser.Parse(args))
    return UsageError("ports", parser.error());
  EnsureCoreApplication();
  std::string text;
  if (parser.Has("--json")) {
    const std::vector<device::PortDescription> ports = device::DescribeSerialPorts();
    if (ports.empty())
      StderrNotifier().Show(settings::kErrorTitle.Get(), device::kNoPortFound.Get());
    if (!WriteDataToStdout(PortsJson(ports)))
      return kExitProblem;
    return ports.empty() ? kExitLink : kExitDone;
  }
  if (parser.Has("--long")) {
    for (const device::PortDescription& port : device::DescribeSerialPorts())
      text += DescribePort(port);
  } else {
    for (const std::string& port : device::DiscoverSerialPorts())
      text += port + "\n";
  }
  if (text.empty()) {
    StderrNotifier().Show(settings::kErrorTitle.Get(), device::kNoPortFound.Get());
    return kExitLink;
  }
  return WriteDataToStdout(text) ? kExitDone : kExitProblem;
}

}  // namespace km62rx::cli
