#pragma once

#include <optional>
#include <string>
#include <vector>

namespace km62rx::testing {

// What one run of the km62rx binary left behind.
struct CliRun {
  int status = -1;  // exit status, -1 when it did not exit normally
  std::string out;
  std::string err;
};

// Runs the km62rx binary of this build with args and collects its exit
// status, stdout and stderr. stdin is a pipe that carries stdinData, or
// /dev/null without it.
CliRun RunKm62rx(const std::vector<std::string>& args,
                 const std::optional<std::string>& stdinData = std::nullopt);

}  // namespace km62rx::testing
