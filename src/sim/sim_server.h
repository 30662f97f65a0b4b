#pragma once

#include "sim/sim_options.h"

namespace km62rx::sim {

// Runs the simulator: opens the pseudo-terminal, prints its path as the first
// line on stdout and answers command lines until SIGTERM or SIGINT (or the
// --hangup-after count). Returns the process exit status.
int RunSimulator(const SimOptions& options);

}  // namespace km62rx::sim
