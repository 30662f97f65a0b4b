#include <optional>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/device_options.h"
#include "cli/run_report.h"
#include "device/settings_runs.h"
#include "settings/file_chooser.h"
#include "settings/notifier.h"
#include "ui/file_commands.h"
#include "ui/memory_page_controls.h"

namespace km62rx::cli {

// Loads FILE onto the pages as "ファイル読込" does, connects, then runs
// "本体に送信" with one progress line per setting on stdout.
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
  ProblemWatch loadBoxes(stderrBoxes, {"ファイル読込完了"});
  FixedFileChooser chooser(parser.positional().front());
  if (ui::LoadSettingsFromFile(pages, chooser, loadBoxes) != 1)
    return kExitUsage;

  LinkFailureWatch connectBoxes(stderrBoxes);
  std::optional<ConnectedLogger> logger = ConnectForCli(*options, connectBoxes);
  if (!logger)
    return kExitLink;
  device::DeviceLink& link = logger->link();
  // The window offers the run only for a card that is inserted and writable;
  // the handshake has already said why it is not.
  if (link.sdState != 1)
    return kExitProblem;

  ApplyControlAvailability(pages, link);
  ProblemWatch runBoxes(stderrBoxes, {"設定完了"});
  device::CommandContext ctx{link, pages, runBoxes};
  const int finished = device::SendAllSettings(ctx, PrintRunProgress(link));
  ApplyControlAvailability(pages, link);
  if (finished != 1)
    return kExitLink;
  return loadBoxes.problems() > 0 || runBoxes.problems() > 0 ? kExitProblem : kExitDone;
}

}  // namespace km62rx::cli
