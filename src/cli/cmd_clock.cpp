#include <optional>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/logger_output.h"
#include "cli/many_loggers.h"
#include "device/clock_commands.h"
#include "settings/clock.h"
#include "settings/notifier.h"

namespace km62rx::cli {

// Connects, then sets the logger clock to the PC's local time, or with
// --time to the typed time (clamped as the clock dialog clamps it).
int CmdClock(const Args& args) {
  ArgParser parser("clock");
  parser.Option("--time");
  const std::optional<DeviceOptions> options = ParseDeviceCommand(parser, args);
  if (!options)
    return kExitUsage;
  std::optional<device::TypedTime> typed;
  if (const std::optional<std::string> text = parser.Value("--time")) {
    typed = ParseTimeOption(*text);
    if (!typed)
      return UsageError("clock", "--time must be \"YYYY-MM-DD hh:mm:ss\"");
  }

  return ForEachLogger("clock", *options, [&typed](const DeviceOptions& one) {
    OutputBoxes boxes;
    std::optional<ConnectedLogger> logger = ConnectForCli(one, boxes);
    if (!logger)
      return kExitLink;
    const device::StepResult result =
        typed ? device::SetLoggerClockFromTime(logger->link(), *typed, boxes)
              : device::SetLoggerClockFromPc(logger->link(), SystemClock(), boxes);
    return ExitStatus(result);
  });
}

}  // namespace km62rx::cli
