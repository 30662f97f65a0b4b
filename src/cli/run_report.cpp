#include "cli/run_report.h"

#include <string>

#include "cli/cli.h"
#include "cli/logger_output.h"
#include "device/link_status.h"

namespace km62rx::cli {
namespace {

// Steps of a run with and without the time-stamp function.
constexpr int kAllSteps = 17;
constexpr int kStepsWithoutTimestamp = 8;

}  // namespace

device::RunProgress PrintRunProgress(const device::DeviceLink& link) {
  const int total = link.timestampSupported != 0 ? kAllSteps : kStepsWithoutTimestamp;
  return [total](int step, std::string_view item, device::StepResult result) {
    const char* outcome = result == device::StepResult::kDone
                              ? "ok"
                              : (result == device::StepResult::kRefused ? "failed" : "link failed");
    Output().Out(std::to_string(step) + "/" + std::to_string(total) + " " + std::string(item) +
                 ": " + outcome);
  };
}

int WithUsableLogger(const DeviceOptions& options, Notifier& boxes,
                     const std::function<int(device::DeviceLink& link)>& work) {
  std::optional<ConnectedLogger> logger = ConnectForCli(options, boxes);
  if (!logger)
    return kExitLink;
  if (logger->link().sdState != 1)
    return kExitProblem;
  return work(logger->link());
}

int RunOnPages(device::DeviceLink& link, Notifier& boxes, device::PageControls& pages,
               const SettingsRun& run, device::RunOutcome& outcome, bool printProgress) {
  device::ApplyControlAvailability(pages, link.connected, link.sdState, link.timestampSupported);
  device::CommandContext ctx{link, pages, boxes};
  outcome = run(ctx, printProgress ? PrintRunProgress(link) : device::RunProgress());
  device::ApplyControlAvailability(pages, link.connected, link.sdState, link.timestampSupported);
  return outcome.result == device::RunResult::kFinished ? kExitDone : kExitLink;
}

}  // namespace km62rx::cli
