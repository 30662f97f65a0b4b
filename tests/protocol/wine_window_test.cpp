// The Win32 window under Wine against the simulator, reached through a COM slot and driven by
// tests/wine/window_check.exe with window messages. In the Wine rows only (see UnderWine).

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/sim_process.h"
#include "support/temp_folder.h"

namespace km62rx::testing {
namespace {

using Lines = std::vector<std::string>;

// What window_check.exe printed for the actions on port; onLine sees each line as it comes. The
// output goes to a file, read as it grows: a pipe would stay open as long as any program Wine
// starts on the way (its desktop, its services) lives.
Lines WindowCheck(const std::string& port, const std::vector<std::string>& actions,
                  const std::function<void(const std::string&)>& onLine = {}) {
  const std::filesystem::path cli = std::getenv("KM62RX_WINE_CLI");
  // The window in the language of the run; UTF-8 for Wine's file names either way.
  const char* locale = std::getenv("LC_ALL");
  const bool english = locale != nullptr && std::string_view(locale).starts_with("en");
  std::vector<std::string> words = {"env", english ? "LC_ALL=en_US.UTF-8" : "LC_ALL=C.UTF-8",
                                    std::getenv("KM62RX_WINE"),
                                    (cli.parent_path() / "window_check.exe").string(), port};
  words.insert(words.end(), actions.begin(), actions.end());
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  TempFolder folder;
  const std::string output = (folder.path() / "out").string();
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const bool started = posix_spawnp(&pid, "env", &files, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&files);
  Lines lines;
  std::ifstream in;
  std::string partial;
  const auto readNew = [&] {
    if (!in.is_open())
      in.open(output, std::ios::binary);
    in.clear();
    for (char c; in.get(c);) {
      if (c == '\r')
        continue;
      if (c != '\n') {
        partial += c;
        continue;
      }
      if (onLine)
        onLine(partial);
      lines.push_back(std::exchange(partial, {}));
    }
  };
  for (int waited = 0; started; waited += 20) {
    readNew();
    if (waitpid(pid, nullptr, WNOHANG) == pid || waited > 90000) {
      if (waited > 90000)
        kill(pid, SIGKILL), waitpid(pid, nullptr, 0);
      break;
    }
    usleep(20000);
  }
  readNew();
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
// byte, send, load and save files, set the clock from a typed time; then the logger goes away,
// the next command fails, and the panel turns to not connected. (A pseudo-terminal whose other
// side has closed shows no error to Wine until it is written to, so the idle check cannot see
// this loss; a real adapter's does.)
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
       "click", "421", "type", "500", "2031", "type", "501", "2", "type", "502", "3", "type", "503",
       "4", "type", "504", "5", "type", "505", "6", "click", "424",
       // The logger goes away while the window is idle.
       "mark", "wait", "500", "click", "416", "wait", "500", "text", "200", "enabled", "415"},
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
  EXPECT_TRUE(Has(lines, "text 630 1")) << joined;  // after loading the defaults
  EXPECT_EQ(lines.back(), "enabled 415 no") << joined;
  EXPECT_EQ(lines[lines.size() - 2], "text 200 " + lines[0].substr(9)) << joined;
  EXPECT_TRUE(lines[lines.size() - 3].starts_with("box ")) << joined;  // the receive failed

  const Lines wire = sim.ReceivedLines();
  EXPECT_TRUE(HasStarting(wire, "ESS")) << joined;
  EXPECT_TRUE(HasStarting(wire, "TMS31020304050")) << joined;
  const std::string saved = Read(folder.path() / "A.CFG");
  EXPECT_NE(saved.find("STOP_DATASIZE=128974848\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\nSTART_DATA=04F\r\n"), std::string::npos) << saved;
}

}  // namespace
}  // namespace km62rx::testing
