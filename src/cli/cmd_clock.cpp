#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/difference_lines.h"
#include "cli/logger_output.h"
#include "cli/many_loggers.h"
#include "device/clock_commands.h"
#include "device/device_time.h"
#include "settings/clock.h"
#include "settings/notifier.h"

namespace km62rx::cli {

namespace {

// How far the time the logger reports may be from the time sent, besides
// the time the exchange itself took: the logger's clock ticks on meanwhile,
// and a second may turn between reading the PC's clock and sending it.
constexpr std::chrono::seconds kClockSlack{2};

// Whether the logger holds a time other than the one sent, allowing for the
// slack and the exchange's duration.
bool ClockNotTaken(const device::ClockAnswer& answer, std::chrono::steady_clock::duration took) {
  if (answer.held.empty())
    return false;
  const long long apart = device::SecondsBetween(answer.sent, device::DeviceTimeOf(answer.held));
  const long long allowed = (kClockSlack + std::chrono::ceil<std::chrono::seconds>(took)).count();
  return apart > allowed || apart < -allowed;
}

}  // namespace

// Connects, then sets the logger clock to the PC's local time, or with
// --time to the typed time (clamped as the clock dialog clamps it, each
// change told in a note). A logger that then reports another time than the
// one sent gets a mismatch line, and the exit status is 1.
int CmdClock(const Args& args) {
  ArgParser parser("clock");
  parser.Option("--time");
  const std::optional<DeviceOptions> options = ParseDeviceCommand(parser, args);
  if (!options)
    return kExitUsage;
  std::optional<device::TypedTime> typed;
  std::vector<std::string> changes;
  if (const std::optional<std::string> text = parser.Value("--time")) {
    typed = ParseTimeOption(*text, &changes);
    if (!typed)
      return UsageError("clock", "--time must be \"YYYY-MM-DD hh:mm:ss\"");
  }

  return ForEachLogger("clock", *options, [&typed, &changes](const DeviceOptions& one) {
    for (const std::string& change : changes)
      Output().Note(change);
    OutputBoxes boxes;
    std::optional<ConnectedLogger> logger = ConnectForCli(one, boxes);
    if (!logger)
      return kExitLink;
    device::ClockAnswer answer;
    const auto start = std::chrono::steady_clock::now();
    const device::StepResult result =
        typed ? device::SetLoggerClockFromTime(logger->link(), *typed, boxes, &answer)
              : device::SetLoggerClockFromPc(logger->link(), SystemClock(), boxes, &answer);
    if (ClockNotTaken(answer, std::chrono::steady_clock::now() - start)) {
      PrintClockMismatch(answer);
      return kExitProblem;
    }
    return ExitStatus(result);
  });
}

}  // namespace km62rx::cli
