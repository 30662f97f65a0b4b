#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/logger_output.h"
#include "cli/settings_input.h"
#include "cli/value_notes.h"
#include "settings/clock_fields.h"
#include "settings/file_messages.h"
#include "settings/missing_settings.h"
#include "settings/notifier.h"
#include "settings/settings_format.h"
#include "settings/settings_lines.h"
#include "settings/settings_reader.h"

namespace km62rx::cli {

// The Load command's header search and reader on FILE ("-": standard
// input). The record goes to stdout as a settings file, with the clock lines
// that the writer would keep when replacing FILE.
int CmdCheck(const Args& args) {
  ArgParser parser("check");
  parser.Positionals(1, 1);
  if (!parser.Parse(args))
    return UsageError("check", parser.error());
  const std::string& path = parser.positional()[0];

  OutputBoxes errors;
  // Read once into memory: a pipe or standard input cannot be read twice.
  const std::optional<std::string> contents = ReadSettingsInput(path, errors);
  if (!contents)
    return kExitUsage;
  std::istringstream header(*contents);
  if (!settings::FindSettingsHeader(header)) {
    errors.Show(settings::kErrorTitle.Get(), settings::kNotASettingsFile.Get());
    return kExitUsage;
  }

  settings::LoggerSettings record;
  std::istringstream lines(*contents);
  const int reportedLines = settings::ParseSettings(lines, record, errors);
  NoteFileValuesChanged(record, "is sent and saved as");
  const std::vector<settings::MissingSetting> missing = settings::MissingSettings(*contents);
  NoteMissingSettings(missing);

  // The writer's clock rule: the file's valid clock lines, else the defaults
  // that the reader left in the record.
  std::istringstream clockLines(*contents);
  settings::ReadClockFields(clockLines, record);
  if (!WriteDataToStdout(settings::FormatSettingsFile(record)))
    return kExitUsage;
  return reportedLines > 0 || !missing.empty() ? kExitProblem : kExitDone;
}

}  // namespace km62rx::cli
