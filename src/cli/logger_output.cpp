#include "cli/logger_output.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>

#include "cli/cli.h"
#include "cli/console_text.h"
#include "cli/visible_text.h"

namespace km62rx::cli {
namespace {

std::mutex& LineLock() {
  static std::mutex lock;
  return lock;
}

thread_local LoggerOutput* current = nullptr;

// The exit status that the output lost so far asks for; guarded by LineLock().
int lostStatus = kExitDone;
bool stdoutFailed = false;
bool stderrFailed = false;
bool stdoutLossTold = false;
int stdoutError = 0;  // why stdout failed

// "TITLE: TEXT" on one line, each CR LF of the text replaced by one space.
std::string BoxLine(std::string_view title, std::string_view text) {
  std::string line(title);
  line += ": ";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      line += ' ';
      ++i;
    } else {
      line += text[i];
    }
  }
  return line;
}

// Writes and flushes text; false when either failed, with the reason in
// error.
bool WriteWhole(std::FILE* stream, std::string_view text, int& error) {
  if (const std::optional<bool> shown = WriteToConsole(stream, text)) {
    error = *shown ? 0 : EIO;
    return *shown;
  }
  errno = 0;
  bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
  if (!written)
    error = errno;
  if (std::fflush(stream) != 0 && written) {
    written = false;
    error = errno;
  }
  return written;
}

}  // namespace

bool WriteLocked(std::FILE* stream, std::string_view text, Lost lost) {
  const std::lock_guard<std::mutex> hold(LineLock());
  bool& failed = stream == stdout ? stdoutFailed : stderrFailed;
  int error = 0;
  if (!failed && WriteWhole(stream, text, error))
    return true;
  lostStatus = std::max(lostStatus, lost == Lost::kData ? kExitUsage : kExitProblem);
  if (stream == stdout && !failed)
    stdoutError = error;
  failed = true;
  if (stream == stdout && !stdoutLossTold && !stderrFailed) {
    stdoutLossTold = true;
    const std::string note = std::string("km62rx: standard output failed (") +
                             std::strerror(stdoutError) +
                             "): what was left to print there is lost; the run goes on\n";
    stderrFailed = !WriteWhole(stderr, note, error);
  }
  return false;
}

void TreatAsClosed(std::FILE* stream) {
  const std::lock_guard<std::mutex> hold(LineLock());
  (stream == stdout ? stdoutFailed : stderrFailed) = true;
  if (stream == stdout)
    stdoutError = EBADF;
}

int WithLostOutput(int status) {
  const std::lock_guard<std::mutex> hold(LineLock());
  return std::max(status, lostStatus);
}

void LoggerOutput::Out(std::string_view line) {
  if (!json_)
    WriteLocked(stdout, prefix_ + VisibleText(line) + "\n");
}

void LoggerOutput::Err(std::string_view line) {
  WriteLocked(stderr, prefix_ + VisibleText(line) + "\n");
}

void LoggerOutput::Message(std::string_view line) {
  report_.messages.emplace_back(line);
  Err(line);
}

void LoggerOutput::Note(std::string_view note) {
  report_.notes.emplace_back(note);
  Err("note: " + std::string(note));
}

LoggerOutput& Output() {
  if (current != nullptr)
    return *current;
  // Used only by the main thread outside any scope.
  static LoggerOutput plain("", false);
  return plain;
}

OutputScope::OutputScope(LoggerOutput& output) : previous_(current) {
  current = &output;
}

OutputScope::~OutputScope() {
  current = previous_;
}

void OutputBoxes::Show(std::string_view title, std::string_view text) {
  Output().Message(BoxLine(title, text));
}

}  // namespace km62rx::cli
