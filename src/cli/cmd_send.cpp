#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/difference_lines.h"
#include "cli/logger_files.h"
#include "cli/logger_output.h"
#include "cli/many_loggers.h"
#include "cli/output_targets.h"
#include "cli/read_back.h"
#include "cli/run_report.h"
#include "cli/settings_input.h"
#include "cli/value_notes.h"
#include "cli/wire_values.h"
#include "device/settings_runs.h"
#include "settings/notifier.h"
#include "ui/file_commands.h"
#include "ui/memory_page_controls.h"

namespace km62rx::cli {

// Loads FILE ("-": standard input) onto the pages as "ファイル読込" does,
// connects, then runs "本体に送信" with one progress line per setting on
// stdout. With --backup the logger's settings are first received into that
// file (with several ports, into a file named after each port in that
// folder), and nothing is sent unless that worked. Afterwards every setting
// is read back and compared with what was sent (unless --no-verify).
int CmdSend(const Args& args) {
  ArgParser parser("send");
  parser.Option("--backup").Flag("--no-verify").Positionals(1, 1);
  const std::optional<DeviceOptions> options = ParseDeviceCommand(parser, args);
  if (!options)
    return kExitUsage;
  const bool several = options->ports.size() > 1;
  const std::string& input = parser.positional().front();
  const std::optional<std::string> backup = parser.Value("--backup");
  // A backup that is the file being sent, or a stream the program writes
  // to, would destroy the new settings or the output before anything is sent.
  if (backup && (backup->empty() || *backup == kStandardStream))
    return UsageError("send", "--backup needs a file name");
  if (backup) {
    const std::string wrong = CheckLoggerTargets("--backup", *backup, options->ports, input);
    if (!wrong.empty())
      return UsageError("send", wrong);
  }
  OutputBoxes fileBoxes;
  ui::MemoryPageControls filePages;
  const std::optional<LoadedSettings> loaded = LoadSettingsInput(input, filePages, fileBoxes);
  if (!loaded)
    return kExitUsage;
  const bool verify = !parser.Has("--no-verify");

  return ForEachLogger("send", *options, [&](const DeviceOptions& one) {
    OutputBoxes boxes;
    ui::MemoryPageControls pages = filePages;
    return WithUsableLogger(one, boxes, [&](device::DeviceLink& link) {
      if (backup) {
        const int backedUp =
            BackUpLoggerSettings(link, boxes, LoggerFilePath(*backup, one.port, several));
        if (backedUp != kExitDone)
          return backedUp;
      }
      WireValues wire;
      device::RunOutcome run;
      const int status =
          RunOnPages(link, boxes, pages, wire.Recording(device::SendAllSettings), run);
      if (status != kExitDone)
        return status;
      NoteFileValuesChanged(loaded->record, "is sent as");
      NoteMissingSettings(loaded->missing);
      const bool notApplied =
          link.timestampSupported == 0 && NoteTimestampSettingsNotApplied(loaded->record);
      const int sent = loaded->Clean() && run.Clean() && !notApplied ? kExitDone : kExitProblem;
      if (!verify)
        return sent;

      std::vector<WireDifference> differences;
      const int readBack = ReadBackDifferences(link, boxes, wire.sent(), differences);
      if (readBack == kExitLink)
        return readBack;
      PrintMismatches(differences);
      return std::max({sent, readBack, differences.empty() ? kExitDone : kExitProblem});
    });
  });
}

}  // namespace km62rx::cli
