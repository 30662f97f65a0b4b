#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "cli/device_options.h"
#include "device/device_link.h"
#include "device/page_controls.h"
#include "device/settings_runs.h"
#include "settings/notifier.h"

namespace km62rx::cli {

// Passes every box on and counts those that report a problem: every box but
// the ones with the given titles (the completion boxes of the step).
class ProblemWatch : public Notifier {
 public:
  ProblemWatch(Notifier& inner, std::initializer_list<std::string_view> fineTitles);
  void Show(std::string_view title, std::string_view text) override;
  int problems() const { return problems_; }

 private:
  Notifier& inner_;
  std::vector<std::string> fineTitles_;
  int problems_ = 0;
};

// One progress line on stdout per step of a send or receive run:
// "3/17 停止トリガー(データ): ok" (or "failed", "link failed").
device::RunProgress PrintRunProgress(const device::DeviceLink& link);

// Applies the availability rule of the connected logger to the pages, as the
// window does after connecting: the time-stamp controls follow the logger.
void ApplyControlAvailability(device::PageControls& pages, const device::DeviceLink& link);

// A send or receive run over the pages.
using SettingsRun = int (*)(device::CommandContext& ctx, const device::RunProgress& progress);

// Connects as the window does, then, for a card that is inserted and
// writable (the only state in which the window offers the runs), runs run on
// pages with one progress line per setting. Returns kExitDone when the run
// reached its end, problems counting its boxes other than completionTitle;
// kExitProblem when the card was not usable (the handshake said why);
// kExitLink when the port, the identification or the link failed. Without
// printProgress stdout stays free for data (receive -o -).
int ConnectAndRun(const DeviceOptions& options, Notifier& boxes, device::PageControls& pages,
                  SettingsRun run, std::string_view completionTitle, int& problems,
                  bool printProgress = true);

}  // namespace km62rx::cli
