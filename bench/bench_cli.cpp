// Timing of whole km62rx commands as a user runs them, each one process
// from start to exit: "--version" (start-up alone; target at most 3 ms),
// "send" of the default file to the simulator with an answered wake-up
// (target at most 12 ms) and "info". Each reports the median of single runs
// as "median_ms". With KM62RX_BEFORE=DIR (a folder holding the km62rx and
// km62rx-sim of another build, such as the one before a change), the same
// commands of that build are timed too, each paired run after run with this
// build's, and "ratio" is this build's median over that one's.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "bench_support.h"
#include "settings/logger_settings.h"
#include "settings/settings_format.h"
#include "support/sim_process.h"
#include "support/temp_folder.h"

extern char** environ;

namespace {

using namespace km62rx;
using SteadyClock = std::chrono::steady_clock;

// The milliseconds one run of program with args took, its output thrown
// away; nothing when it could not be started or did not exit with 0.
std::optional<double> TimeProgram(const std::string& program,
                                  const std::vector<std::string>& args) {
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = SteadyClock::now();
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  if (spawned != 0 || waitpid(pid, &status, 0) != pid)
    return std::nullopt;
  const double ms = std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return std::nullopt;
  return ms;
}

// The folder of the other build to compare with, or empty.
std::string BeforeFolder() {
  const char* folder = std::getenv("KM62RX_BEFORE");
  return folder == nullptr ? std::string() : std::string(folder);
}

// Times km62rx with args (PORT standing for the simulator's terminal, FILE for
// the default settings file), and the other build's when there is one.
void BenchmarkCommand(benchmark::State& state, std::vector<std::string> args, bool needsLogger) {
  std::optional<testing::SimProcess> sim;
  if (needsLogger)
    sim.emplace(std::vector<std::string>{"--answer-wake"});
  testing::TempFolder folder;
  const std::string file =
      folder.Write("A.CFG", settings::FormatSettingsFile(settings::DefaultSettings()));
  for (std::string& arg : args) {
    if (arg == "PORT")
      arg = sim->path();
    else if (arg == "FILE")
      arg = file;
  }
  const std::string before = BeforeFolder();
  std::vector<double> samples, beforeSamples;
  for (auto _ : state) {
    const std::optional<double> now = TimeProgram(KM62RX_CLI_PATH, args);
    const std::optional<double> then =
        before.empty() ? std::optional<double>(0) : TimeProgram(before + "/km62rx", args);
    if (!now || !then) {
      state.SkipWithError("a run failed");
      break;
    }
    samples.push_back(*now);
    beforeSamples.push_back(*then);
  }
  state.counters["median_ms"] = bench::Median(samples);
  if (!before.empty()) {
    state.counters["before_ms"] = bench::Median(beforeSamples);
    state.counters["ratio"] = bench::Median(samples) / bench::Median(beforeSamples);
  }
}

void BM_Version(benchmark::State& state) {
  BenchmarkCommand(state, {"--version"}, false);
}
BENCHMARK(BM_Version)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_Send(benchmark::State& state) {
  BenchmarkCommand(state, {"send", "--port", "PORT", "FILE"}, true);
}
BENCHMARK(BM_Send)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

void BM_SendNoVerify(benchmark::State& state) {
  BenchmarkCommand(state, {"send", "--no-verify", "--port", "PORT", "FILE"}, true);
}
BENCHMARK(BM_SendNoVerify)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

void BM_Info(benchmark::State& state) {
  BenchmarkCommand(state, {"info", "--port", "PORT"}, true);
}
BENCHMARK(BM_Info)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  return km62rx::bench::RunBenchmarks(argc, argv);
}
