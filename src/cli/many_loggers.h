#pragma once

#include <functional>
#include <string_view>

#include "cli/device_options.h"

namespace km62rx::cli {

// The word for a logger's exit status in the summary and the JSON document:
// "done", "problem", "file error" or "link failed".
std::string_view ResultWord(int status);

// Runs work once per port of options (options.port set to it) and returns the
// highest exit status. With one port the work runs on this thread and writes
// as it always has. With several, each logger is handled on a worker thread
// of its own (its serial line made there), a logger that fails never stops
// the others, every line is prefixed with "PORT: ", and a summary follows
// with one line per logger. With --json, stdout gets one JSON document at the
// end instead of lines.
int ForEachLogger(std::string_view command, const DeviceOptions& options,
                  const std::function<int(const DeviceOptions& one)>& work);

}  // namespace km62rx::cli
