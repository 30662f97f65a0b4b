#include <cstdio>

#include "cli/cli.h"

namespace km62rx::cli {

// Placeholder until the command is built.
int CmdClock(const Args&) {
  std::fputs("not available yet\n", stderr);
  return kExitUsage;
}

}  // namespace km62rx::cli
