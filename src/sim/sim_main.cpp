#include <cstdio>
#include <string>
#include <vector>

#include "km62rx_version.h"
#include "sim/sim_options.h"
#include "sim/sim_server.h"

int main(int argc, char** argv) {
  using namespace km62rx::sim;
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = ParseSimOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "km62rx-sim: %s\nTry km62rx-sim --help.\n", error.c_str());
    return 2;
  }
  if (options->help) {
    std::fputs(SimUsage().c_str(), stdout);
    return 0;
  }
  if (options->version) {
    std::fputs("km62rx-sim " KM62RX_VERSION "\n", stdout);
    return 0;
  }
  return RunSimulator(*options);
}
