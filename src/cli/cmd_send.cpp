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
  const std::optional<std::string> backup = parser.Value("--backup");
  if (backup && (backup->empty() || *backup == kStandardStream))
    return UsageError("send", "--backup needs a file name");
  if (backup && several) {
    const std::string wrong = CheckLoggerFolder(*backup, options->ports);
    if (!wrong.empty())
      return UsageError("send", "--backup: " + wrong);
  }
  OutputBoxes fileBoxes;
  ui::MemoryPageControls filePages;
  const std::optional<LoadedSettings> loaded =
      LoadSettingsInput(parser.positional().front(), filePages, fileBoxes);
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
      const int sent = loaded->result.Clean() && run.Clean() ? kExitDone : kExitProblem;
      if (!verify)
        return sent;

      std::vector<WireDifference> differences;
      const int readBack = ReadBackDifferences(link, boxes, wire.sent(), differences);
      if (readBack != kExitDone)
        return readBack;
      PrintMismatches(differences);
      return differences.empty() ? sent : kExitProblem;
    });
  });
}

}  // namespace km62rx::cli
