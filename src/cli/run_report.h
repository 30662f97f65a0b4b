#pragma once

#include <functional>
#include <string_view>

#include "cli/device_options.h"
#include "device/device_link.h"
#include "device/page_controls.h"
#include "device/settings_runs.h"
#include "settings/notifier.h"

namespace km62rx::cli {

// Passes every box on and counts them. An operation that succeeded showed
// exactly one completion box; every other box told of a problem.
class BoxCount : public Notifier {
 public:
  explicit BoxCount(Notifier& inner) : inner_(inner) {}
  void Show(std::string_view title, std::string_view text) override;
  // The boxes beside the completion box of an operation that completed.
  int Problems(bool completed) const { return count_ - (completed ? 1 : 0); }

 private:
  Notifier& inner_;
  int count_ = 0;
};

// One progress line on stdout per step of a send or receive run:
// "3/17 停止トリガー(データ): ok" (or "failed", "link failed").
device::RunProgress PrintRunProgress(const device::DeviceLink& link);

// A send or receive run over the pages.
using SettingsRun =
    std::function<device::RunResult(device::CommandContext& ctx,
                                    const device::RunProgress& progress)>;

// Connects as the window does, then, for a card that is inserted and
// writable (the only state in which the window offers the runs), runs run on
// pages with one progress line per setting. Returns kExitDone when the run
// reached its end, problems counting its boxes other than the completion box;
// kExitProblem when the card was not usable (the handshake said why);
// kExitLink when the port, the identification or the link failed. Without
// printProgress stdout stays free for data (receive -o -).
int ConnectAndRun(const DeviceOptions& options, Notifier& boxes, device::PageControls& pages,
                  SettingsRun run, int& problems, bool printProgress = true);

}  // namespace km62rx::cli
