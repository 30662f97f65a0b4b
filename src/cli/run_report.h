#pragma once

#include <functional>
#include <string_view>

#include "cli/device_options.h"
#include "device/device_link.h"
#include "device/page_controls.h"
#include "device/settings_runs.h"
#include "settings/notifier.h"

namespace km62rx::cli {

// One progress line on stdout per step of a send or receive run:
// "3/17 停止トリガー(データ): ok" (or "failed", "link failed").
device::RunProgress PrintRunProgress(const device::DeviceLink& link);

// A send or receive run over the pages.
using SettingsRun = std::function<device::RunOutcome(device::CommandContext& ctx,
                                                     const device::RunProgress& progress)>;

// Connects as the window does, then, for a card that is inserted and
// writable (the only state in which the window offers the runs), runs run on
// pages with one progress line per setting. Returns kExitDone when the run
// reached its end, its outcome in outcome; kExitProblem when the card was
// not usable (the handshake said why); kExitLink when the port, the
// identification or the link failed. Without printProgress stdout stays free
// for data (receive -o -).
int ConnectAndRun(const DeviceOptions& options, Notifier& boxes, device::PageControls& pages,
                  SettingsRun run, device::RunOutcome& outcome, bool printProgress = true);

}  // namespace km62rx::cli
