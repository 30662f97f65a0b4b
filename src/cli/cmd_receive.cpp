#include <optional>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/run_report.h"
#include "cli/value_notes.h"
#include "device/settings_runs.h"
#include "settings/file_chooser.h"
#include "settings/notifier.h"
#include "ui/file_commands.h"
#include "ui/memory_page_controls.h"
#include "ui/page_binding.h"

namespace km62rx::cli {

// Connects, runs "本体設定受信" onto default pages with one progress line per
// setting on stdout, then saves the pages to FILE as "ファイル保存" does.
int CmdReceive(const Args& args) {
  ArgParser parser("receive");
  AddDeviceOptions(parser);
  parser.Option("--output", "-o");
  if (!parser.Parse(args))
    return UsageError("receive", parser.error());
  std::string error;
  const std::optional<DeviceOptions> options = ReadDeviceOptions(parser, error);
  if (!options)
    return UsageError("receive", error);
  const std::optional<std::string> output = parser.Value("--output");
  if (!output || output->empty())
    return UsageError("receive", "-o FILE is required");

  StderrNotifier stderrBoxes;
  ui::MemoryPageControls pages;
  ui::ResetPagesToDefaults(pages);
  int runProblems = 0;
  LoggerValues loggerValues;
  const int status =
      ConnectAndRun(*options, stderrBoxes, pages,
                    loggerValues.Recording(device::ReceiveAllSettings), "取得完了", runProblems);
  // A run cut short leaves the pages half filled: no file.
  if (status != kExitDone)
    return status;

  ProblemWatch saveBoxes(stderrBoxes, {"設定保存"});
  FixedFileChooser chooser(*output);
  if (ui::SaveSettingsToFile(pages, chooser, saveBoxes) != 1)
    return kExitUsage;
  loggerValues.NoteSavedValuesChanged(pages);
  return runProblems > 0 || saveBoxes.problems() > 0 ? kExitProblem : kExitDone;
}

}  // namespace km62rx::cli
