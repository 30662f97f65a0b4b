// The Win32 window under Wine against the simulator, reached through a COM slot and driven by
// tests/wine/window_check.exe with window messages. In the Wine rows only (see UnderWine).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "support/sim_process.h"
#include "support/temp_folder.h"

namespace km62rx::testing {
namespace {

using Lines = std::vector<std::string>;

std::string Quoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// What window_check.exe printed for the actions on port; onLine sees each line as it comes.
Lines WindowCheck(const std::string& port, const std::vector<std::string>& actions,
                  const std::function<void(const std::string&)>& onLine = {}) {
  const std::filesystem::path cli = std::getenv("KM62RX_WINE_CLI");
  std::string command = "LC_ALL=C.UTF-8 " + Quoted(std::getenv("KM62RX_WINE")) + " " +
                        Quoted((cli.parent_path() / "window_check.exe").string()) + " " +
                        Quoted(port);
  for (const std::string& action : actions)
    command += " " + Quoted(action);
  Lines lines;
  FILE* out = popen((command + " 2>/dev/null").c_str(), "r");
  if (out == nullptr)
    return lines;
  for (char buffer[4096]; std::fgets(buffer, sizeof buffer, out) != nullptr;) {
    std::string line(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
      line.pop_back();
    if (onLine)
      onLine(line);
    lines.push_back(line);
  }
  pclose(out);
  return lines;
}

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

bool Has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool HasStarting(const Lines& lines, const std::string& start) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.starts_with(start); });
}

// A working session as a user has it: connect through the dialog, receive, change a size and a
// byte, send, load and save files, set the clock from a typed time; then the logger goes away
// and the panel turns to not connected without a box.
TEST(WindowsWindow, ASessionThroughTheDialogsAndALoggerThatGoesAway) {
  if (!UnderWine())
    GTEST_SKIP() << "runs under Wine";
  TempFolder folder;
  const std::string defaults = (folder.path() / "DEFAULT.CFG").string();
  std::ofstream(defaults, std::ios::binary) << RunKm62rx({"defaults"}).out;
  const auto windows = [](const std::filesystem::path& path) { return "Z:" + path.string(); };
  SimProcess sim;
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
       "click", "421", "type", "500", "2031", "type", "501", "2", "type", "502", "3", "type",
       "503", "4", "type", "504", "5", "type", "505", "6", "click", "424",
       // The logger goes away while the window is idle.
       "mark", "wait", "2500", "text", "200", "enabled", "415"},
      [&](const std::string& line) {
        if (line == "mark")
          sim.Stop();
      });
  const std::string joined = [&] {
    std::string all;
    for (const std::string& line : lines)
      all += line + "\n";
    return all;
  }();
  ASSERT_GE(lines.size(), 10u) << joined;
  EXPECT_NE(lines[0], lines[1]) << joined;  // not connected, then connected
  EXPECT_TRUE(Has(lines, "text 645 LOG")) << joined;
  EXPECT_TRUE(Has(lines, "text 646 ,")) << joined;
  EXPECT_TRUE(Has(lines, "text 510 4F")) << joined;
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "text 630 123"), 1) << joined;  // after receive
  EXPECT_TRUE(Has(lines, "text 630 ")) << joined;  // after loading the defaults
  EXPECT_EQ(lines.back(), "enabled 415 no") << joined;
  EXPECT_EQ(lines[lines.size() - 2], "text 200 " + lines[0].substr(9)) << joined;
  EXPECT_FALSE(HasStarting(Lines(lines.end() - 3, lines.end()), "box ")) << joined;

  const Lines wire = sim.ReceivedLines();
  EXPECT_TRUE(HasStarting(wire, "ESS")) << joined;
  EXPECT_TRUE(HasStarting(wire, "TMS31020304050")) << joined;
  const std::string saved = Read(folder.path() / "A.CFG");
  EXPECT_NE(saved.find("STOP_DATASIZE=123"), std::string::npos) << saved;
  EXPECT_NE(saved.find("START_DATA=0-4F"), std::string::npos) << saved;
}

}  // namespace
}  // namespace km62rx::testing
