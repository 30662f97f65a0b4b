#include <optional>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "device/clock_commands.h"
#include "settings/clock.h"
#include "settings/notifier.h"

namespace km62rx::cli {

// Connects, then sets the logger clock to the PC's local time, or with
// --time to the typed time (clamped as the clock dialog clamps it).
int CmdClock(const Args& args) {
  ArgParser parser("clock");
  AddDeviceOptions(parser);
  parser.Option("--time");
  if (!parser.Parse(args))
    return UsageError("clock", parser.error());
  std::string error;
  const std::optional<DeviceOptions> options = ReadDeviceOptions(parser, error);
  if (!options)
    return UsageError("clock", error);
  std::optional<device::TypedTime> typed;
  if (const std::optional<std::string> text = parser.Value("--time")) {
    typed = ParseTimeOption(*text);
    if (!typed)
      return UsageError("clock", "--time must be \"YYYY-MM-DD hh:mm:ss\"");
  }

  StderrNotifier stderrBoxes;
  std::optional<ConnectedLogger> logger = ConnectForCli(*options, stderrBoxes);
  if (!logger)
    return kExitLink;

  const device::StepResult result =
      typed ? device::SetLoggerClockFromTime(logger->link(), *typed, stderrBoxes)
            : device::SetLoggerClockFromPc(logger->link(), SystemClock(), stderrBoxes);
  return ExitStatus(result);
}

}  // namespace km62rx::cli
