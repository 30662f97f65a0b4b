// The Win32 window under Wine against the simulator, reached through a COM slot and driven by
// tests/wine/window_check.exe with window messages. In the Wine rows only (see UnderWine).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/sim_process.h"
#include "support/temp_folder.h"

namespace km62rx::testing {
namespace {

using Lines = std::vector<std::string>;

// What window_check.exe printed for the actions on port. The output goes to a file: a pipe would
// stay open as long as any program Wine starts on the way (its desktop, its services) lives.
Lines WindowCheck(const std::string& port, std::vector<std::string> actions) {
  const std::filesystem::path cli = std::getenv("KM62RX_WINE_CLI");
  // The window in the language of the run; UTF-8 for Wine's file names either way.
  const char* locale = std::getenv("LC_ALL");
  const bool english = locale != nullptr && std::string_view(locale).starts_with("en");
  actions.insert(actions.begin(),
                 {english ? "LC_ALL=en_US.UTF-8" : "LC_ALL=C.UTF-8", std::getenv("KM62RX_WINE"),
                  (cli.parent_path() / "window_check.exe").string(), port});
  TempFolder folder;
  RunProgram("env", actions, std::nullopt, "> '" + folder.File("out") + "'");
  std::istringstream out(ReadFile(folder.File("out")));
  Lines lines;
  for (std::string line; std::getline(out, line);)
    lines.push_back(line);
  return lines;
}

bool Has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// A working session as a user has it: connect through the dialog, receive, change a size and a
// byte, send, load and save files, set the clock from a typed time; then the logger goes away
// (the simulator hangs up after the clock's command), the next command fails, and the panel turns
// to not connected. (A pseudo-terminal whose other side has closed shows no error to Wine until it
// is written to, so the idle check cannot see this loss; a real adapter's does.)
TEST(WindowsWindow, ASessionThroughTheDialogsAndALoggerThatGoesAway) {
  if (!UnderWine())
    GTEST_SKIP() << "runs under Wine";
  TempFolder folder;
  const std::string defaults = (folder.path() / "DEFAULT.CFG").string();
  std::ofstream(defaults, std::ios::binary) << RunKm62rx({"defaults"}).out;
  const auto windows = [](const std::filesystem::path& path) { return "Z:" + path.string(); };
  // Its commands: 5 to connect, 37 for each of receive, send and receive, 1 for the clock.
  SimProcess sim({"--answer-wake", "--hangup-after", "117"});
  const Lines lines = WindowCheck(
      sim.path(),
      {// Connect: the dialog lists the port first; its connect button opens it.
       "text", "200", "click", "400", "click", "410", "text", "200",
       // Receive shows the logger's settings on the pages.
       "click", "416", "page", "10", "text", "645", "page", "11", "text", "646",
       // A data size and the first start byte, typed as a user types them, then sent.
       "page", "8", "click", "845", "type", "630", "123", "page", "2", "click", "800", "type",
       "510", "4f", "text", "510", "click", "415",
       // The defaults loaded from a file, then received again: the pages show what was sent.
       "file", windows(defaults), "click", "418", "text", "630", "click", "416", "text", "630",
       "text", "510", "file", windows(folder.path() / "A.CFG"), "click", "417",
       // The clock from typed fields.
       "click", "421", "type", "500", "2031", "type", "501", "2", "type", "502", "3", "type", "503",
       "4", "type", "504", "5", "type", "505", "6", "click", "424",
       // The logger goes away while the window is idle.
       "wait", "500", "click", "416", "wait", "500", "text", "200", "enabled", "415"});
  std::string joined;
  for (const std::string& line : lines)
    joined += line + "\n";
  ASSERT_GE(lines.size(), 10u) << joined;
  EXPECT_NE(lines[0], lines[1]) << joined;  // not connected, then connected
  EXPECT_TRUE(Has(lines, "text 645 LOG")) << joined;
  EXPECT_TRUE(Has(lines, "text 646 ,")) << joined;
  EXPECT_TRUE(Has(lines, "text 510 4F")) << joined;
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "text 630 123"), 1) << joined;  // after receive
  EXPECT_TRUE(Has(lines, "text 630 1")) << joined;  // after loading the defaults
  EXPECT_EQ(lines.back(), "enabled 415 no") << joined;
  EXPECT_EQ(lines[lines.size() - 2], "text 200 " + lines[0].substr(9)) << joined;
  EXPECT_TRUE(lines[lines.size() - 3].starts_with("box ")) << joined;  // the receive failed

  const Lines wire = sim.ReceivedLines();
  ASSERT_FALSE(wire.empty());
  EXPECT_TRUE(std::any_of(wire.begin(), wire.end(), [](auto& l) { return l.starts_with("ESS"); }));
  EXPECT_TRUE(wire.back().starts_with("TMS31020304050")) << wire.back();  // the last command
  const std::string saved = ReadFile(folder.File("A.CFG"));
  EXPECT_NE(saved.find("STOP_DATASIZE=128974848\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\nSTART_DATA=04F\r\n"), std::string::npos) << saved;
}

}  // namespace
}  // namespace km62rx::testing
