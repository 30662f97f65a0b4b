#include "cli/read_back.h"

#include "cli/cli.h"
#include "cli/logger_output.h"
#include "cli/quiet_boxes.h"
#include "cli/run_report.h"
#include "cli/settings_input.h"
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
  return run.Clean() ? kExitDone : kExitProblem;
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
    return LeaveUnwritten(path, loggerValues, link);
  FixedFileChooser chooser(path);
  const ui::FileResult saved = ui::SaveSettingsToFile(pages, chooser, boxes);
  if (!saved.completed)
    return kExitUsage;
  loggerValues.NoteSavedValuesChanged(pages);
  return saved.Clean() ? kExitDone : kExitProblem;
}

int LeaveUnwritten(std::string_view target, const LoggerValues& values,
                   const device::DeviceLink& link) {
  std::string line = "km62rx: ";
  line += target == kStandardStream ? std::string("nothing was written to standard output")
                                    : std::string(target) + " was left as it was";
  const std::string unread = values.Unread(link.timestampSupported != 0);
  line += unread.empty() ? ": the logger did not give every setting"
                         : ": the logger did not give " + unread;
  Output().Message(line);
  return kExitProblem;
}

}  // namespace km62rx::cli
