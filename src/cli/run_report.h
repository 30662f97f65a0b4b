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
// "3/17 Stop trigger (data): ok" in English (or "failed", "link failed").
device::RunProgress PrintRunProgress(const device::DeviceLink& link);

// A send or receive run over the pages.
using SettingsRun = std::function<device::RunOutcome(device::CommandContext& ctx,
                                                     const device::RunProgress& progress)>;

// Connects as the window does; for a card that is inserted and writable (the
// only state in which the window offers the runs) returns work's exit
// status for the connected link. kExitProblem when the card was not usable
// (the handshake said why); kExitLink when the port, the identification or
// the link failed.
int WithUsableLogger(const DeviceOptions& options, Notifier& boxes,
                     const std::function<int(device::DeviceLink& link)>& work);

// Runs run on pages over a connected link, with one progress line per
// setting unless printProgress is false (stdout then stays free for data).
// kExitDone when the run reached its end, its outcome in outcome; kExitLink
// when the link failed on the way.
int RunOnPages(device::DeviceLink& link, Notifier& boxes, device::PageControls& pages,
               const SettingsRun& run, device::RunOutcome& outcome, bool printProgress = true);

}  // namespace km62rx::cli
