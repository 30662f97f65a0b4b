#include "cli/run_report.h"

#include <algorithm>
#include <cstdio>

#include "cli/cli.h"
#include "device/connection.h"

namespace km62rx::cli {
namespace {

// Steps of a run with and without the time-stamp function.
constexpr int kAllSteps = 17;
constexpr int kStepsWithoutTimestamp = 8;

}  // namespace

ProblemWatch::ProblemWatch(Notifier& inner, std::initializer_list<std::string_view> fineTitles)
    : inner_(inner), fineTitles_(fineTitles.begin(), fineTitles.end()) {}

void ProblemWatch::Show(std::string_view title, std::string_view text) {
  if (std::find(fineTitles_.begin(), fineTitles_.end(), title) == fineTitles_.end()) {
    ++problems_;
  }
  inner_.Show(title, text);
}

device::RunProgress PrintRunProgress(const device::DeviceLink& link) {
  const int total = link.timestampSupported != 0 ? kAllSteps : kStepsWithoutTimestamp;
  return [total](int step, std::string_view item, int result) {
    const char* outcome = result == 1 ? "ok" : (result == 0 ? "failed" : "link failed");
    std::printf("%d/%d %.*s: %s\n", step, total, static_cast<int>(item.size()), item.data(),
                outcome);
    std::fflush(stdout);
  };
}

void ApplyControlAvailability(device::PageControls& pages, const device::DeviceLink& link) {
  for (const device::ControlEnable& control :
       device::UpdateControlAvailability(link.connected, link.sdState, link.timestampSupported)) {
    pages.SetEnabled(control.id, control.enabled);
  }
}

int ConnectAndRun(const DeviceOptions& options, Notifier& boxes, device::PageControls& pages,
                  SettingsRun run, std::string_view completionTitle, int& problems,
                  bool printProgress) {
  LinkFailureWatch connectBoxes(boxes);
  std::optional<ConnectedLogger> logger = ConnectForCli(options, connectBoxes);
  if (!logger)
    return kExitLink;
  device::DeviceLink& link = logger->link();
  if (link.sdState != 1)
    return kExitProblem;

  ApplyControlAvailability(pages, link);
  ProblemWatch runBoxes(boxes, {completionTitle});
  device::CommandContext ctx{link, pages, runBoxes};
  const int finished = run(ctx, printProgress ? PrintRunProgress(link) : device::RunProgress());
  ApplyControlAvailability(pages, link);
  problems = runBoxes.problems();
  return finished == 1 ? kExitDone : kExitLink;
}

}  // namespace km62rx::cli
