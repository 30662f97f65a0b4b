#include <cstdio>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "device/qt/port_discovery.h"
#include "settings/notifier.h"

namespace km62rx::cli {

// Lists the serial ports as the connect dialog does, one name a line. With
// none, the dialog's box goes to stderr.
int CmdPorts(const Args& args) {
  ArgParser parser("ports");
  if (!parser.Parse(args))
    return UsageError("ports", parser.error());
  EnsureCoreApplication();
  const std::vector<std::string> ports = device::DiscoverSerialPorts();
  if (ports.empty()) {
    StderrNotifier().Show("エラー", "COMポートが見つかりません。");
    return kExitLink;
  }
  for (const std::string& port : ports)
    std::printf("%s\n", port.c_str());
  return std::fflush(stdout) == 0 ? kExitDone : kExitProblem;
}

}  // namespace km62rx::cli
