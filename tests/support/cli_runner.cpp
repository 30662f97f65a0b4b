#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdio>

#include "support/sim_process.h"
#include "support/temp_folder.h"

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
  const TempFolder folder;
  std::string command = Quoted(CliPath());
  for (const std::string& arg : args)
    command += " " + Quoted(arg);
  command += " 2>" + Quoted(folder.File("err"));
  if (stdinData) {
    // Through cat, so that the tool reads a pipe.
    command = "cat " + Quoted(folder.Write("in", *stdinData)) + " | " + command;
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
  run.err = ReadFile(folder.File("err"));
  return run;
}

}  // namespace km62rx::testing
