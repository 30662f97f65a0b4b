#include <optional>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/logger_files.h"
#include "cli/logger_output.h"
#include "cli/many_loggers.h"
#include "cli/output_targets.h"
#include "cli/read_back.h"
#include "cli/run_report.h"
#include "cli/settings_input.h"
#include "cli/value_notes.h"
#include "device/settings_runs.h"
#include "settings/file_chooser.h"
#include "settings/file_messages.h"
#include "settings/notifier.h"
#include "settings/settings_format.h"
#include "ui/file_commands.h"
#include "ui/memory_page_controls.h"
#include "ui/page_binding.h"

namespace km62rx::cli {

namespace {

// The pages as a settings file on stdout, for scripts: no file is replaced,
// so its clock lines are the defaults. Like a save to a file, but without
// its completion box.
ui::FileResult WritePagesToStdout(device::PageControls& pages, Notifier& boxes) {
  settings::LoggerSettings record;
  ui::FileResult result;
  result.limitedValues = ui::ReadSettingsFromPages(pages, record, boxes);
  record.TIME_CALENDAR = settings::kDefaultTimeCalendar;
  record.TIME_SET = 1;
  const std::string file = settings::FormatSettingsFile(record);
  if (!settings::HasSettingsFileLines(file)) {
    boxes.Show(settings::kErrorTitle.Get(), settings::kCannotWriteFile.Get());
    return result;
  }
  result.completed = WriteDataToStdout(file);
  return result;
}

}  // namespace

// Connects, runs "本体設定受信" onto default pages with one progress line per
// setting on stdout, then saves the pages to FILE as "ファイル保存" does. With
// "-o -" (or a name that leads to standard output, such as /dev/stdout) the
// settings file goes to stdout instead, without progress lines. With several
// ports, -o names a folder that gets one file per port. A file is written
// only when every setting was read: a half-read logger would replace a good
// file with defaults.
int CmdReceive(const Args& args) {
  ArgParser parser("receive");
  parser.Option("--output", "-o");
  const std::optional<DeviceOptions> options = ParseDeviceCommand(parser, args);
  if (!options)
    return kExitUsage;
  const std::optional<std::string> output = parser.Value("--output");
  if (!output || output->empty())
    return UsageError("receive", "-o FILE is required");

  const bool several = options->ports.size() > 1;
  // A name for standard output is "-o -" and is never replaced through a
  // rename, which would throw away what the stream held before.
  const bool toStdout = *output == kStandardStream ||
                        (!several && WhereOutputLeads(*output) == OutputTarget::kStandardOutput);
  if (toStdout && (several || options->json))
    return UsageError("receive", "-o - takes one port and no --json");
  if (!toStdout) {
    const std::string wrong = CheckLoggerTargets("-o", *output, options->ports);
    if (!wrong.empty())
      return UsageError("receive", wrong);
  }

  return ForEachLogger("receive", *options, [&](const DeviceOptions& one) {
    OutputBoxes boxes;
    return WithUsableLogger(one, boxes, [&](device::DeviceLink& link) {
      ui::MemoryPageControls pages;
      ui::ResetPagesToDefaults(pages);
      device::RunOutcome run;
      LoggerValues loggerValues;
      const int status = RunOnPages(
          link, boxes, pages, loggerValues.Recording(device::ReceiveAllSettings), run, !toStdout);
      // A run cut short leaves the pages half filled: no file.
      if (status != kExitDone)
        return status;
      const std::string target =
          toStdout ? std::string(kStandardStream) : LoggerFilePath(*output, one.port, several);
      if (!run.Clean())
        return LeaveUnwritten(target, loggerValues, link);

      FixedFileChooser chooser(target);
      const ui::FileResult saved = toStdout ? WritePagesToStdout(pages, boxes)
                                            : ui::SaveSettingsToFile(pages, chooser, boxes);
      if (!saved.completed)
        return kExitUsage;
      loggerValues.NoteSavedValuesChanged(pages);
      return saved.Clean() ? kExitDone : kExitProblem;
    });
  });
}

}  // namespace km62rx::cli
