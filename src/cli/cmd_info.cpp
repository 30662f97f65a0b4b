#include <cstdio>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
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

  StderrNotifier stderrBoxes;
  std::optional<ConnectedLogger> logger = ConnectForCli(*options, stderrBoxes);
  if (!logger)
    return kExitLink;

  const device::LinkPanelTexts panel = device::MakeLinkPanelTexts(logger->link());
  std::printf("%s\n%s\n", panel.statusLine.c_str(), panel.sdLine.c_str());
  std::fflush(stdout);
  return ExitStatus(logger->clock());
}

}  // namespace km62rx::cli
