#include "cli_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/sim_process.h"

extern char** environ;

namespace km62rx::testing {

namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

CliRun RunKm62rx(const std::vector<std::string>& args,
                 const std::optional<std::string>& stdinData) {
  std::string folderPattern =
      (std::filesystem::temp_directory_path() / "km62rx-cli-XXXXXX").string();
  const std::string folder = mkdtemp(folderPattern.data());
  const std::string outPath = folder + "/out";
  const std::string errPath = folder + "/err";

  std::vector<std::string> words{CliPath()};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  int input[2] = {-1, -1};
  if (stdinData && pipe(input) == 0) {
    // Small enough for the pipe's buffer: written before the child starts.
    if (write(input[1], stdinData->data(), stdinData->size()) < 0) {
      // The child then reads an empty stdin; the test's checks will tell.
    }
    close(input[1]);
    posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    posix_spawn_file_actions_addclose(&actions, input[0]);
  } else {
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  }
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  CliRun run;
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status))
      run.status = WEXITSTATUS(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  if (input[0] >= 0)
    close(input[0]);
  run.out = Slurp(outPath);
  run.err = Slurp(errPath);
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  return run;
}

}  // namespace km62rx::testing
