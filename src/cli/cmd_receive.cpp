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
  LinkFailureWatch connectBoxes(stderrBoxes);
  std::optional<ConnectedLogger> logger = ConnectForCli(*options, connectBoxes);
  if (!logger)
    return kExitLink;
  device::DeviceLink& link = logger->link();
  // The window offers the run only for a card that is inserted and writable;
  // the handshake has already said why it is not.
  if (link.sdState != 1)
    return kExitProblem;

  ui::MemoryPageControls pages;
  ui::ResetPagesToDefaults(pages);
  ApplyControlAvailability(pages, link);
  ProblemWatch runBoxes(stderrBoxes, {"取得完了"});
  device::CommandContext ctx{link, pages, runBoxes};
  const int finished = device::ReceiveAllSettings(ctx, PrintRunProgress(link));
  ApplyControlAvailability(pages, link);
  // A run cut short by the link leaves the pages half filled: no file.
  if (finished != 1)
    return kExitLink;

  ProblemWatch saveBoxes(stderrBoxes, {"設定保存"});
  FixedFileChooser chooser(*output);
  if (ui::SaveSettingsToFile(pages, chooser, saveBoxes) != 1)
    return kExitUsage;
  return runBoxes.problems() > 0 || saveBoxes.problems() > 0 ? kExitProblem : kExitDone;
}

}  // namespace km62rx::cli
