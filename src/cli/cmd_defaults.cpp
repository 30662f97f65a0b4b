#include <cstdio>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "settings/logger_settings.h"
#include "settings/settings_format.h"

namespace km62rx::cli {

// The settings file of a default record: 40 lines with CR LF.
int CmdDefaults(const Args& args) {
  ArgParser parser("defaults");
  if (!parser.Parse(args))
    return UsageError("defaults", parser.error());
  const bool written = WriteDataToStdout(settings::FormatSettingsFile(settings::DefaultSettings()));
  return written ? kExitDone : kExitUsage;
}

}  // namespace km62rx::cli
