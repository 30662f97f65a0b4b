#include "support/sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

#include "support/temp_folder.h"

namespace km62rx::testing {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// A free COM slot's number (0: none), taken by creating its lock file (scripts/windows-test.sh
// clears the locks a killed run left).
int TakeComSlot(std::string& lock) {
  int first = 0, count = 0;
  std::sscanf(Environment("KM62RX_COM_SLOT_RANGE").c_str(), "%d,%d", &first, &count);
  for (int n = first; n < first + count; ++n) {
    lock = Environment("KM62RX_COM_SLOTS") + "/COM" + std::to_string(n) + ".lock";
    const int fd = open(lock.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 && close(fd) == 0)
      return n;
  }
  lock.clear();
  return 0;
}

}  // namespace

bool UnderWine() {
  return !Environment("KM62RX_WINE_RUN").empty() && !Environment("KM62RX_WINE_CLI").empty();
}

SimProcess::SimProcess(std::vector<std::string> options) {
  std::string comName;
  if (UnderWine()) {
    const int slot = TakeComSlot(slotLock_);
    EXPECT_NE(slot, 0) << "no free COM slot in " << Environment("KM62RX_COM_SLOTS");
    comName = "COM" + std::to_string(slot);
    options.insert(options.end(), {"--link", Environment("KM62RX_COM_SLOTS") + "/" + comName});
  }
  const char* dir = std::getenv("TMPDIR");
  traceFile_ = std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/km62rx-trace-XXXXXX";
  const int traceFd = mkstemp(traceFile_.data());
  int out[2];
  if (traceFd < 0 || pipe(out) != 0) {
    ADD_FAILURE() << "SimProcess: no trace file or pipe";
    traceFile_.clear();
    return;
  }
  close(traceFd);
  options.insert(options.begin(), SimulatorPath());
  options.insert(options.end(), {"--trace", traceFile_});
  // Prepared before fork: after it, the child makes only async-signal-safe calls.
  std::vector<char*> argv;
  for (std::string& option : options)
    argv.push_back(option.data());
  argv.push_back(nullptr);
  pid_ = fork();
  if (pid_ == 0) {
    dup2(out[1], STDOUT_FILENO);
    closefrom(STDERR_FILENO + 1);  // ports the test holds open must not stay open here
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(out[1]);
  // The first line on the simulator's stdout is its terminal path.
  pollfd ready{out[0], POLLIN, 0};
  char c = 0;
  while (pid_ > 0 && poll(&ready, 1, 5000) > 0 && read(out[0], &c, 1) == 1 && c != '\n')
    path_ += c;
  close(out[0]);
  if (c != '\n' || path_.empty()) {
    ADD_FAILURE() << "SimProcess: " << options[0] << " printed no terminal path within 5 s";
    path_.clear();
    Stop();
  }
  terminal_ = path_;
  if (!comName.empty() && !path_.empty())
    path_ = comName;
}

SimProcess::~SimProcess() {
  Stop();
  if (!traceFile_.empty())
    unlink(traceFile_.c_str());
  if (!slotLock_.empty())
    unlink(slotLock_.c_str());  // after the simulator removed its link
}

std::vector<std::string> SimProcess::ReceivedLines(std::size_t first) const {
  std::vector<std::string> lines;
  std::ifstream in(traceFile_, std::ios::binary);
  std::size_t seen = 0;
  for (std::string line; std::getline(in, line); ++seen) {
    if (seen >= first)
      lines.push_back(line);
  }
  return lines;
}

bool SimProcess::Running() {
  if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) != 0)
    pid_ = -1;  // exited and reaped
  return pid_ > 0;
}

void SimProcess::Stop() {
  if (pid_ <= 0)
    return;
  kill(pid_, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  while (waitpid(pid_, nullptr, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  pid_ = -1;
}

std::string SimulatorPath() {
  return KM62RX_SIM_PATH;
}

namespace {

// The text as one word of a shell command line.
std::string Quoted(const std::string& text) {
  std::string word = "'";
  for (char c : text)
    word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

}  // namespace

CliRun RunKm62rx(const std::vector<std::string>& args, const std::optional<std::string>& stdinData,
                 const std::string& stdoutTo) {
  if (!UnderWine())
    return RunProgram(KM62RX_CLI_PATH, args, stdinData, stdoutTo);
  // Wine takes file names from the locale: a UTF-8 one, whichever language is asked for.
  std::vector<std::string> wineArgs = {
      "LC_ALL=" + (Environment("LC_ALL") == "C" ? std::string("C.UTF-8") : Environment("LC_ALL")),
      Environment("KM62RX_WINE"), Environment("KM62RX_WINE_CLI")};
  wineArgs.insert(wineArgs.end(), args.begin(), args.end());
  return RunProgram("env", wineArgs, stdinData, stdoutTo);
}

CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::optional<std::string>& stdinData, const std::string& stdoutTo) {
  const TempFolder folder;
  std::string command = Quoted(program);
  for (const std::string& arg : args)
    command += " " + Quoted(arg);
  command += " 2>" + Quoted(folder.File("err")) + " " + stdoutTo;
  if (stdinData)  // through cat, so that the tool reads a pipe
    command = "cat " + Quoted(folder.Write("in", *stdinData)) + " | " + command;
  else
    command += " </dev/null";
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
