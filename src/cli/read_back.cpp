#include "cli/read_back.h"

#include "cli/cli.h"
#include "cli/quiet_boxes.h"
#include "cli/run_report.h"
#include "cli/value_notes.h"
#include "device/settings_runs.h"
#include "settings/file_chooser.h"
#include "ui/file_commands.h"
#include "ui/memory_page_controls.h"
#include "ui/page_binding.h"

namespace km62rx::cli {

int ReadBackDifferences(device::DeviceLink& link, Notifier& boxes,
                        const std::vector<WireValue>& expected,
                        std::vector<WireDifference>& differences) {
  ui::MemoryPageControls pages;
  ui::ResetPagesToDefaults(pages);
  BoxesWithout quiet(boxes, device::kReceiveDoneTitle.Get());
  WireValues wire;
  device::RunOutcome run;
  const int status =
      RunOnPages(link, quiet, pages, wire.Recording(device::ReceiveAllSettings), run, false);
  if (status != kExitDone)
    return status;
  differences = CompareWireValues(expected, wire.received());
  return kExitDone;
}

int BackUpLoggerSettings(device::DeviceLink& link, Notifier& boxes, const std::string& path) {
  ui::MemoryPageControls pages;
  ui::ResetPagesToDefaults(pages);
  LoggerValues loggerValues;
  device::RunOutcome run;
  const int status = RunOnPages(link, boxes, pages,
                                loggerValues.Recording(device::ReceiveAllSettings), run, false);
  if (status != kExitDone)
    return status;
  // A half-read logger is no backup: nothing is written.
  if (!run.Clean())
    return kExitProblem;
  FixedFileChooser chooser(path);
  const ui::FileResult saved = ui::SaveSettingsToFile(pages, chooser, boxes);
  if (!saved.completed)
    return kExitUsage;
  loggerValues.NoteSavedValuesChanged(pages);
  return saved.Clean() ? kExitDone : kExitProblem;
}

}  // namespace km62rx::cli
