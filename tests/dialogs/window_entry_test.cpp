// km62rx-settings and km62rx-sim answer help, version, usage errors and a missing display at
// once, without a window (and so without a display); how the words are read is the argument
// reader's own suite.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "km62rx_version.h"
#include "support/sim_process.h"

namespace km62rx::testing {
namespace {

TEST(WindowEntry, AnswersWithoutAWindow) {
  // Every row runs without a display; "timeout" ends a window that did open (status 124).
  const std::vector<std::string> noDisplay = {"--unset=DISPLAY", "--unset=WAYLAND_DISPLAY",
                                              "--unset=QT_QPA_PLATFORM", "timeout", "2"};
  const std::string tryHelp = " (try 'km62rx-settings --help')\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string text;  // in stdout for status 0, else the one line on stderr; "*": not checked
  } cases[] = {
      {{"--help"}, 0, "km62rx-settings(1)"},
      {{"/dev/pts/9", "--version"}, 0, "km62rx-settings " KM62RX_VERSION "\n"},
      {{"--frob", "--help"}, 2, "km62rx-settings: unknown option --frob" + tryHelp},
      {{"/dev/pts/9"}, 1, "km62rx-settings: cannot open the window: there is no display"},
      {{"-platform", "offscreen", "-style=Fusion", "/dev/pts/9"}, 124, "*"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = noDisplay;
    args.push_back(KM62RX_SETTINGS_PATH);
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun r = RunProgram("env", args);
    EXPECT_EQ(r.status, c.status) << c.args[0] << r.err;
    if (c.status == 0)
      EXPECT_TRUE(r.out.find(c.text) != std::string::npos && r.err.empty()) << r.out << r.err;
    else if (c.text != "*")
      EXPECT_TRUE(r.err.starts_with(c.text) && r.err.find('\n') == r.err.size() - 1) << r.err;
  }
  const CliRun sim = RunProgram(SimulatorPath(), {"--version"});
  EXPECT_EQ(sim.status, 0);
  EXPECT_EQ(sim.out, "km62rx-sim " KM62RX_VERSION "\n");
}

}  // namespace
}  // namespace km62rx::testing
