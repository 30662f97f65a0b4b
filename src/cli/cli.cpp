#include "cli/cli.h"

#include <cstdio>
#include <string_view>

namespace km62rx::cli {

// Placeholder dispatch; replaced by the full tool.
int RunCli(int argc, char** argv) {
  if (argc < 2) return kExitUsage;
  const std::string_view command = argv[1];
  Args args(argv + 2, argv + argc);
  if (command == "defaults") return CmdDefaults(args);
  if (command == "check") return CmdCheck(args);
  return kExitUsage;
}

}  // namespace km62rx::cli
