#include "support/sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace km62rx::testing {

namespace {

constexpr int kStartTimeoutMs = 5000;
constexpr int kStopTimeoutMs = 3000;

std::string MakeTraceFile() {
  const char* dir = std::getenv("TMPDIR");
  std::string pattern =
      std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/km62rx-sim-trace-XXXXXX";
  const int fd = mkstemp(pattern.data());
  if (fd < 0)
    return {};
  close(fd);
  return pattern;
}

// Reads the first line the child writes to fd, waiting at most timeoutMs.
// Returns false on time-out or when the child closed its stdout first.
bool ReadFirstLine(int fd, int timeoutMs, std::string& line) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  line.clear();
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (left <= 0)
      return false;
    pollfd pfd{fd, POLLIN, 0};
    const int ready = poll(&pfd, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR)
      continue;
    if (ready <= 0)
      return false;
    char c = 0;
    const ssize_t n = read(fd, &c, 1);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    if (c == '\n')
      return true;
    line += c;
  }
}

}  // namespace

SimProcess::SimProcess(std::vector<std::string> options) {
  traceFile_ = MakeTraceFile();
  if (traceFile_.empty()) {
    ADD_FAILURE() << "SimProcess: cannot create a trace file: " << std::strerror(errno);
    return;
  }
  const std::string binary = SimulatorPath();
  options.insert(options.begin(), binary);
  options.push_back("--trace");
  options.push_back(traceFile_);
  // Everything the child needs is prepared before fork: after it, only
  // async-signal-safe calls are made.
  std::vector<char*> argv;
  for (std::string& option : options)
    argv.push_back(option.data());
  argv.push_back(nullptr);

  int out[2];
  if (pipe(out) != 0) {
    ADD_FAILURE() << "SimProcess: pipe failed: " << std::strerror(errno);
    return;
  }
  fcntl(out[0], F_SETFD, FD_CLOEXEC);
  fcntl(out[1], F_SETFD, FD_CLOEXEC);

  const long openMax = sysconf(_SC_OPEN_MAX);
  const int maxFd = openMax > 0 && openMax < 4096 ? static_cast<int>(openMax) : 4096;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(out[1], STDOUT_FILENO);  // the duplicate does not close on exec
    // Ports that the test holds open must not stay open in the simulator.
    for (int fd = STDERR_FILENO + 1; fd < maxFd; ++fd)
      close(fd);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(out[1]);
  if (pid_ < 0) {
    close(out[0]);
    ADD_FAILURE() << "SimProcess: fork failed: " << std::strerror(errno);
    return;
  }
  std::string line;
  const bool started = ReadFirstLine(out[0], kStartTimeoutMs, line);
  close(out[0]);
  if (!started || line.empty()) {
    ADD_FAILURE() << "SimProcess: " << binary
                  << " did not start: no terminal path on its stdout (it exited, or "
                  << kStartTimeoutMs << " ms passed)";
    Stop();
    return;
  }
  path_ = line;
}

SimProcess::~SimProcess() {
  Stop();
  if (!traceFile_.empty())
    unlink(traceFile_.c_str());
}

std::vector<std::string> SimProcess::ReceivedLines() const {
  std::vector<std::string> lines;
  std::ifstream in(traceFile_, std::ios::binary);
  std::string line;
  while (std::getline(in, line))
    lines.push_back(line);
  return lines;
}

bool SimProcess::Running() {
  if (pid_ <= 0)
    return false;
  int status = 0;
  const pid_t done = waitpid(pid_, &status, WNOHANG);
  if (done == 0)
    return true;
  pid_ = -1;  // exited and reaped (or no longer our child)
  return false;
}

void SimProcess::Stop() {
  if (pid_ <= 0)
    return;
  kill(pid_, SIGTERM);
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(kStopTimeoutMs);
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done != 0)
      break;  // reaped, or an error such as no such child
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  pid_ = -1;
}

std::string SimulatorPath() {
  return KM62RX_SIM_PATH;
}
std::string CliPath() {
  return KM62RX_CLI_PATH;
}

}  // namespace km62rx::testing
