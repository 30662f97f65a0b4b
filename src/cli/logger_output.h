#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/notifier.h"

namespace km62rx::cli {

// One setting in which the logger differs from what was sent, or from what a
// file would send. Empty optionals are values that do not apply (a send has
// no file value to show) or that could not be read from the logger.
struct ReportedDifference {
  std::string setting;  // START_DATA[1]
  std::optional<std::string> file;
  std::optional<std::string> sent;
  std::optional<std::string> logger;
};

// What one logger's run found out, for --json: the same facts as the lines
// the plain output prints.
struct LoggerReport {
  std::string port;
  int status = 0;
  bool connected = false;
  int firmwareVersion = 0;  // in hundredths, as the link holds it
  int sdState = 0;          // bit 0 card inserted, bit 1 write-protected
  std::optional<std::string>
      clock;  // the logger's clock as its box shows it, or the text for a clock not set
  std::vector<ReportedDifference> differences;
  std::vector<std::string> notes;     // without their "note: "
  std::vector<std::string> messages;  // every box and hint, as printed on stderr
};

// Where the lines of one logger's run go. Every line is written whole, under
// one lock, so that the lines of loggers handled at the same time never tear;
// with several loggers each line starts with a prefix naming the port. With
// --json the stdout lines are left out and only the report is kept: the
// JSON document is written at the end.
class LoggerOutput {
 public:
  LoggerOutput(std::string prefix, bool json) : prefix_(std::move(prefix)), json_(json) {}

  // One line of data or progress for stdout (without its line end).
  void Out(std::string_view line);
  // One line for stderr (without its line end).
  void Err(std::string_view line);
  // Err, and kept among the report's messages.
  void Message(std::string_view line);
  // "note: " and the note on stderr, and the note kept among the report's.
  void Note(std::string_view note);

  bool json() const { return json_; }
  LoggerReport& report() { return report_; }

 private:
  std::string prefix_;
  bool json_;
  LoggerReport report_;
};

// The output of the logger handled on this thread: the one an OutputScope
// set, else plain stdout and stderr without a prefix.
LoggerOutput& Output();

// Makes output the calling thread's output for the life of the scope.
class OutputScope {
 public:
  explicit OutputScope(LoggerOutput& output);
  ~OutputScope();
  OutputScope(const OutputScope&) = delete;
  OutputScope& operator=(const OutputScope&) = delete;

 private:
  LoggerOutput* previous_;
};

// The command line's message boxes: "TITLE: TEXT" on one line of the
// current output's stderr, each CR LF of the text replaced by one space.
class OutputBoxes : public Notifier {
 public:
  void Show(std::string_view title, std::string_view text) override;
};

// What a failed write to stdout or stderr (a reader that went away, a full
// disk) cost the user. A run on a logger never stops for it: the rest of the
// run goes on, and the exit status tells.
enum class Lost {
  kLines,  // progress, differences, boxes or notes: exit status at least 1
  kData,   // the data asked for (a settings file, the JSON document): at least 2
};

// Writes text (whole lines) to stream under the lock that keeps lines whole,
// and flushes it. False when it could not be written; what was lost is then
// remembered as lost, and the first failure of stdout is told on stderr.
// After stdout has failed once nothing more is written to it.
bool WriteLocked(std::FILE* stream, std::string_view text, Lost lost = Lost::kLines);

// Makes every later write to stream (stdout or stderr) count as lost without
// trying it: for a stream that was closed when the program started.
void TreatAsClosed(std::FILE* stream);

// The exit status raised for the output lost so far: at least 1 when lines
// were lost, at least 2 when data was.
int WithLostOutput(int status);

}  // namespace km62rx::cli
