#include "cli_runner.h"

#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/sim_process.h"

namespace km62rx::testing {

namespace {

// The text as one word of a shell command line.
std::string Quoted(const std::string& text) {
  std::string word = "'";
  for (char c : text)
    word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

}  // namespace

CliRun RunKm62rx(const std::vector<std::string>& args,
                 const std::optional<std::string>& stdinData) {
  std::string pattern = (std::filesystem::temp_directory_path() / "km62rx-cli-XXXXXX").string();
  const std::string folder = mkdtemp(pattern.data());
  std::string command = Quoted(CliPath());
  for (const std::string& arg : args)
    command += " " + Quoted(arg);
  command += " 2>" + Quoted(folder + "/err");
  if (stdinData) {
    // Through cat, so that the tool reads a pipe.
    std::ofstream(folder + "/in", std::ios::binary) << *stdinData;
    command = "cat " + Quoted(folder + "/in") + " | " + command;
  } else {
    command += " </dev/null";
  }
  CliRun run;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::ifstream err(folder + "/err", std::ios::binary);
  run.err.assign(std::istreambuf_iterator<char>(err), {});
  std::filesystem::remove_all(folder);
  return run;
}

}  // namespace km62rx::testing
