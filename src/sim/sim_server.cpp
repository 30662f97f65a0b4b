#include "sim/sim_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "sim/pty_terminal.h"
#include "sim/responder.h"

namespace km62rx::sim {

namespace {

// Longest command line kept; further bytes before the CR are dropped.
constexpr std::size_t kMaxLineBytes = 1024;
constexpr int kSplitPauseMs = 3;

// Self-pipe that turns SIGTERM / SIGINT into a readable descriptor, so the
// main loop and every pause can wait on it.
int stopPipe[2] = {-1, -1};
volatile sig_atomic_t stopRequested = 0;

void OnStopSignal(int) {
  const int saved = errno;
  stopRequested = 1;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = write(stopPipe[1], &byte, 1);
  errno = saved;
}

bool InstallSignalHandlers() {
  if (pipe(stopPipe) != 0)
    return false;
  for (int fd : stopPipe) {
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  }
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a blocked call returns with EINTR
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);
  return true;
}

// Waits up to ms milliseconds; returns false when a stop was requested.
bool Pause(int ms) {
  if (ms <= 0)
    return !stopRequested;
  pollfd fd{stopPipe[0], POLLIN, 0};
  while (!stopRequested) {
    const int ready = poll(&fd, 1, ms);
    if (ready == 0)
      return true;
    if (ready < 0 && errno != EINTR)
      return true;
  }
  return false;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR && !stopRequested)
        continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

class Simulator {
 public:
  explicit Simulator(const SimOptions& options) : options_(options), responder_(options) {}
  ~Simulator() {
    if (trace_ >= 0)
      close(trace_);
    if (!linked_.empty())
      unlink(linked_.c_str());
  }

  int Run() {
    std::string error;
    if (!InstallSignalHandlers())
      return Fail("pipe: " + std::string(std::strerror(errno)));
    if (!options_.traceFile.empty()) {
      trace_ = open(options_.traceFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
      if (trace_ < 0)
        return Fail("cannot open trace file " + options_.traceFile);
    }
    if (!pty_.Open(error))
      return Fail(error);
    if (!options_.linkPath.empty() && !MakeLink(error))
      return Fail(error);

    std::printf("%s\n", pty_.path().c_str());
    std::fflush(stdout);

    while (!stopRequested) {
      pollfd fds[2] = {{pty_.controllerFd(), POLLIN, 0}, {stopPipe[0], POLLIN, 0}};
      const int ready = poll(fds, 2, -1);
      if (ready < 0) {
        if (errno == EINTR)
          continue;
        return Fail("poll: " + std::string(std::strerror(errno)));
      }
      if (fds[1].revents != 0)
        break;
      if (fds[0].revents == 0)
        continue;
      char bytes[256];
      const ssize_t n = read(pty_.controllerFd(), bytes, sizeof bytes);
      if (n <= 0) {
        // No client data after all (e.g. a hang-up indication): do not spin.
        if (n < 0 && errno == EINTR)
          continue;
        Pause(10);
        continue;
      }
      for (ssize_t i = 0; i < n; ++i) {
        if (!TakeByte(bytes[i]))
          return Finish();
      }
    }
    return Finish();
  }

 private:
  int Fail(const std::string& message) {
    std::fprintf(stderr, "km62rx-sim: %s\n", message.c_str());
    return 1;
  }

  int Finish() {
    pty_.Close();
    return 0;
  }

  bool MakeLink(std::string& error) {
    struct stat info {};
    if (lstat(options_.linkPath.c_str(), &info) == 0) {
      if (!S_ISLNK(info.st_mode)) {
        error = "--link: " + options_.linkPath + " exists and is not a symbolic link";
        return false;
      }
      unlink(options_.linkPath.c_str());
    }
    if (symlink(pty_.path().c_str(), options_.linkPath.c_str()) != 0) {
      error = "--link " + options_.linkPath + ": " + std::strerror(errno);
      return false;
    }
    linked_ = options_.linkPath;
    return true;
  }

  // Collects one received byte; a CR ends the command line. Returns false
  // when the simulator is to stop.
  bool TakeByte(char byte) {
    if (byte == '\n')
      return true;
    if (byte != '\r') {
      if (line_.size() < kMaxLineBytes)
        line_ += byte;
      return true;
    }
    const std::string line = std::move(line_);
    line_.clear();
    return HandleLine(line);
  }

  bool HandleLine(const std::string& line) {
    if (trace_ >= 0) {
      const std::string record = line + '\n';
      [[maybe_unused]] const ssize_t n = write(trace_, record.data(), record.size());
    }
    ++handled_;
    const std::string reply = responder_.Respond(line);
    if (!reply.empty()) {
      if (!Pause(options_.delayMs))
        return false;
      if (!WriteReply(reply))
        return false;
    }
    if (options_.hangupAfter > 0 && handled_ >= options_.hangupAfter) {
      HangUp();
      return false;
    }
    return true;
  }

  bool WriteReply(const std::string& reply) {
    const std::size_t piece =
        options_.splitBytes > 0 ? static_cast<std::size_t>(options_.splitBytes) : reply.size();
    for (std::size_t at = 0; at < reply.size(); at += piece) {
      if (at > 0 && !Pause(kSplitPauseMs))
        return false;
      const std::size_t size = std::min(piece, reply.size() - at);
      if (!WriteAll(pty_.controllerFd(), reply.data() + at, size))
        return false;
    }
    return true;
  }

  // Lets the client read the last reply (up to about a second), then closes
  // the terminal so that the client sees the line go away.
  void HangUp() {
    Pause(20);
    for (int i = 0; i < 100 && pty_.PendingForClient() > 0; ++i) {
      if (!Pause(10))
        break;
    }
    pty_.Close();
  }

  const SimOptions& options_;
  Responder responder_;
  PtyTerminal pty_;
  int trace_ = -1;
  std::string linked_;
  std::string line_;
  int handled_ = 0;
};

}  // namespace

int RunSimulator(const SimOptions& options) {
  return Simulator(options).Run();
}

}  // namespace km62rx::sim
