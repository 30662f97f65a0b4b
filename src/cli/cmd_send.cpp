#include <optional>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/run_report.h"
#include "cli/settings_input.h"
#include "cli/value_notes.h"
#include "device/settings_runs.h"
#include "settings/notifier.h"
#include "ui/file_commands.h"
#include "ui/memory_page_controls.h"

namespace km62rx::cli {

// Loads FILE ("-": standard input) onto the pages as "ファイル読込" does,
// connects, then runs "本体に送信" with one progress line per setting on
// stdout.
int CmdSend(const Args& args) {
  ArgParser parser("send");
  AddDeviceOptions(parser);
  parser.Positionals(1, 1);
  if (!parser.Parse(args))
    return UsageError("send", parser.error());
  std::string error;
  const std::optional<DeviceOptions> options = ReadDeviceOptions(parser, error);
  if (!options)
    return UsageError("send", error);

  StderrNotifier stderrBoxes;
  ui::MemoryPageControls pages;
  // Read once into memory: a pipe or standard input cannot be read twice.
  const std::optional<std::string> contents =
      ReadSettingsInput(parser.positional().front(), stderrBoxes);
  if (!contents)
    return kExitUsage;
  settings::LoggerSettings loaded;
  const ui::FileResult load = ui::LoadSettingsFromContents(pages, *contents, stderrBoxes, &loaded);
  if (!load.completed)
    return kExitUsage;

  device::RunOutcome run;
  const int status = ConnectAndRun(*options, stderrBoxes, pages, device::SendAllSettings, run);
  if (status != kExitDone)
    return status;
  NoteFileValuesChanged(loaded, "is sent as");
  return load.Clean() && run.Clean() ? kExitDone : kExitProblem;
}

}  // namespace km62rx::cli
