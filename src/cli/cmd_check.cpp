#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "cli/arg_parser.h"
#include "cli/cli.h"
#include "cli/value_notes.h"
#include "settings/notifier.h"
#include "settings/settings_file.h"

namespace km62rx::cli {

namespace {

// Shows every message on stderr and counts them.
class CountingNotifier : public Notifier {
 public:
  void Show(std::string_view title, std::string_view text) override {
    ++count;
    stderr_.Show(title, text);
  }
  int count = 0;

 private:
  StderrNotifier stderr_;
};

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

// The Load command's header search and reader on FILE. The record goes to
// stdout as a settings file, with the clock lines that the writer would keep
// when replacing FILE.
int CmdCheck(const Args& args) {
  ArgParser parser("check");
  parser.Positionals(1, 1);
  if (!parser.Parse(args))
    return UsageError("check", parser.error());
  const std::string& path = parser.positional()[0];

  StderrNotifier errors;
  std::ifstream file(path, std::ios::binary);
  // A folder opens as a stream on some systems, but it is no file to read.
  if (!file.is_open() || IsDirectory(path)) {
    errors.Show("エラー", "ファイルを開けませんでした。");
    return kExitUsage;
  }
  // A regular file is read twice like the window reads it: header search,
  // rewind, parse. A pipe or device cannot rewind: read it into memory once.
  std::istringstream memory;
  std::istream* in = &file;
  const bool regular = IsRegularFile(path);
  if (!regular) {
    memory.str(std::string(std::istreambuf_iterator<char>(file), {}));
    in = &memory;
  }
  if (!settings::FindSettingsHeader(*in)) {
    errors.Show("エラー", "有効なKM-62RX設定ファイルではありません。");
    return kExitUsage;
  }
  in->clear();
  in->seekg(0);

  CountingNotifier reader;
  settings::LoggerSettings record;
  settings::ParseSettings(*in, record, reader);
  NoteFileValuesChanged(record, "is sent and saved as");

  // The writer's clock rule: the file's valid clock lines, else the defaults
  // that the reader left in the record.
  if (regular) {
    settings::ReadFileClockFields(path, record);
  } else {
    memory.clear();
    memory.seekg(0);
    settings::ReadClockFields(memory, record);
  }
  if (!WriteDataToStdout(settings::FormatSettingsFile(record)))
    return kExitUsage;
  return reader.count > 0 ? kExitProblem : kExitDone;
}

}  // namespace km62rx::cli
