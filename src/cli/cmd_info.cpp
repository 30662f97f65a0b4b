#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/logger_output.h"
#include "cli/many_loggers.h"
#include "device/link_status.h"
#include "settings/notifier.h"

namespace km62rx::cli {

// Connects as the connect dialog does, then prints the connection panel's
// two status lines.
int CmdInfo(const Args& args) {
  ArgParser parser("info");
  const std::optional<DeviceOptions> options = ParseDeviceCommand(parser, args);
  if (!options)
    return kExitUsage;

  return ForEachLogger("info", *options, [](const DeviceOptions& one) {
    OutputBoxes boxes;
    std::optional<ConnectedLogger> logger = ConnectForCli(one, boxes);
    if (!logger)
      return kExitLink;
    const device::LinkPanelTexts panel = device::MakeLinkPanelTexts(logger->link());
    Output().Out(panel.statusLine);
    Output().Out(panel.sdLine);
    return ExitStatus(logger->clock());
  });
}

}  // namespace km62rx::cli
