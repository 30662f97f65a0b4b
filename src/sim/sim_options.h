#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sim/logger_model.h"

namespace km62rx::sim {

// A fixed reply for every command line that starts with prefix.
struct ReplyOverride {
  std::string prefix;
  std::string reply;  // sent with a CR appended
};

// Everything the command line of km62rx-sim can set.
struct SimOptions {
  ModelConfig model;
  std::string linkPath;  // --link: symbolic link to the terminal, removed on exit
  bool silent = false;
  std::vector<ReplyOverride> replies;  // first matching prefix wins
  int splitBytes = 0;                  // 0: each reply in one write
  std::string extra;                   // bytes after the CR of every reply
  int delayMs = 0;
  int hangupAfter = 0;  // 0: never hang up
  std::string traceFile;
  bool help = false;
  bool version = false;
};

// Parses the arguments after the program name. On a usage error returns
// nothing and sets error to a one-line explanation.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

// The text of --help.
std::string SimUsage();

}  // namespace km62rx::sim
