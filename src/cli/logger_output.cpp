#include "cli/logger_output.h"

#include <cstdio>
#include <mutex>
#include <string>

namespace km62rx::cli {
namespace {

std::mutex& LineLock() {
  static std::mutex lock;
  return lock;
}

thread_local LoggerOutput* current = nullptr;

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

}  // namespace

void WriteLocked(std::FILE* stream, std::string_view text) {
  const std::lock_guard<std::mutex> hold(LineLock());
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

void LoggerOutput::Out(std::string_view line) {
  if (!json_)
    WriteLocked(stdout, prefix_ + std::string(line) + "\n");
}

void LoggerOutput::Err(std::string_view line) {
  WriteLocked(stderr, prefix_ + std::string(line) + "\n");
}

void LoggerOutput::Message(std::string_view line) {
  report_.messages.emplace_back(line);
  Err(line);
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
