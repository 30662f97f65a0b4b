#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/difference_lines.h"
#include "cli/dry_send.h"
#include "cli/logger_output.h"
#include "cli/many_loggers.h"
#include "cli/read_back.h"
#include "cli/run_report.h"
#include "cli/settings_input.h"
#include "cli/value_notes.h"
#include "cli/wire_values.h"
#include "settings/notifier.h"
#include "ui/file_commands.h"
#include "ui/memory_page_controls.h"

namespace km62rx::cli {

// Loads FILE as send does, connects, works out what a send of it would put
// on the wire, reads the logger's settings and prints one line per setting
// that differs. Exit status 0 when none does, 1 when some do, when a setting
// could not be read, or when the file itself was not clean (a line the
// reader reported, a setting it has no line for), as for send.
int CmdDiff(const Args& args) {
  ArgParser parser("diff");
  parser.Positionals(1, 1);
  const std::optional<DeviceOptions> options = ParseDeviceCommand(parser, args);
  if (!options)
    return kExitUsage;

  OutputBoxes fileBoxes;
  ui::MemoryPageControls filePages;
  const std::optional<LoadedSettings> loaded =
      LoadSettingsInput(parser.positional().front(), filePages, fileBoxes);
  if (!loaded)
    return kExitUsage;

  return ForEachLogger("diff", *options, [&](const DeviceOptions& one) {
    OutputBoxes boxes;
    ui::MemoryPageControls pages = filePages;
    return WithUsableLogger(one, boxes, [&](device::DeviceLink& link) {
      // What the logger takes depends on it: an old one has no time-stamp
      // settings.
      const std::vector<WireValue> wouldSend = ValuesASendWouldPut(pages, link.timestampSupported);
      std::vector<WireDifference> differences;
      const int status = ReadBackDifferences(link, boxes, wouldSend, differences);
      if (status == kExitLink)
        return status;
      PrintDifferences(differences, FileValues(loaded->record));
      // A send could not put these on the wire at all.
      const std::vector<WireValue> notApplied = link.timestampSupported == 0
                                                    ? TimestampValuesOffDefault(loaded->record)
                                                    : std::vector<WireValue>();
      PrintNotApplied(notApplied);
      NoteMissingSettings(loaded->missing);
      const bool same = differences.empty() && notApplied.empty() && loaded->Clean();
      return std::max(status, same ? kExitDone : kExitProblem);
    });
  });
}

}  // namespace km62rx::cli
