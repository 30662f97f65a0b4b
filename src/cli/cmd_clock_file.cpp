#include <optional>
#include <string>
#include <vector>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/logger_output.h"
#include "cli/settings_input.h"
#include "device/clock_commands.h"
#include "settings/file_chooser.h"
#include "settings/notifier.h"
#include "ui/file_commands.h"

namespace km62rx::cli {

// "指定時刻をファイルに保存": stores the given time (clamped as the clock
// dialog clamps it, each change told in a note) as the start-up time of FILE, keeping FILE's
// settings when it is a settings file. An existing file that is no settings file is refused and
// left as it is: there is no dialog to ask before replacing it.
int CmdClockFile(const Args& args) {
  ArgParser parser("clock-file");
  parser.Option("--time").Positionals(1, 1);
  if (!parser.Parse(args))
    return UsageError("clock-file", parser.error());
  const std::optional<std::string> text = parser.Value("--time");
  if (!text)
    return UsageError("clock-file", "--time \"YYYY-MM-DD hh:mm:ss\" is required");
  std::vector<std::string> changes;
  const std::optional<device::TypedTime> time = ParseTimeOption(*text, &changes);
  if (!time)
    return UsageError("clock-file", "--time must be \"YYYY-MM-DD hh:mm:ss\"");
  // The file is read and then replaced: a stream cannot be both.
  if (parser.positional().front() == kStandardStream)
    return UsageError("clock-file", "FILE cannot be - (standard input or output)");

  for (const std::string& change : changes)
    Output().Note(change);
  OutputBoxes boxes;
  FixedFileChooser chooser(parser.positional().front());
  const ui::FileResult saved =
      ui::SaveClockToFile(*time, chooser, boxes, boxes, ui::ForeignFile::kRefuse);
  if (!saved.completed)
    return kExitUsage;
  return saved.Clean() ? kExitDone : kExitProblem;
}

}  // namespace km62rx::cli
