#include "support/ser2net_process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace km62rx::testing {

namespace {

constexpr const char* kSer2net = "/usr/sbin/ser2net";

// A TCP socket bound to the loopback port (0: any free one), or connected to it.
int LoopbackSocket(int& port, bool connectToIt) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{
      AF_INET, htons(static_cast<std::uint16_t>(port)), {htonl(INADDR_LOOPBACK)}, {}};
  auto* raw = reinterpret_cast<sockaddr*>(&address);
  socklen_t size = sizeof address;
  const bool ok =
      fd >= 0 && (connectToIt ? connect(fd, raw, size) == 0
                              : bind(fd, raw, size) == 0 && getsockname(fd, raw, &size) == 0);
  port = ntohs(address.sin_port);
  if (fd >= 0)
    close(fd);
  return ok ? port : 0;
}

}  // namespace

int FreeLoopbackPort() {
  int port = 0;
  return LoopbackSocket(port, false);
}

LoopbackListener::LoopbackListener() : fd_(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
  sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
  auto* raw = reinterpret_cast<sockaddr*>(&address);
  socklen_t size = sizeof address;
  if (fd_ >= 0 && bind(fd_, raw, size) == 0 && listen(fd_, 4) == 0 &&
      getsockname(fd_, raw, &size) == 0)
    port_ = ntohs(address.sin_port);
  else
    ADD_FAILURE() << "no loopback port to listen on";
}

LoopbackListener::~LoopbackListener() {
  if (fd_ >= 0)
    close(fd_);
}

int LoopbackListener::Accept() {
  return accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
}

bool Ser2netProcess::Installed() {
  return access(kSer2net, X_OK) == 0;
}

Ser2netProcess::Ser2netProcess(const std::string& device) {
  int port = FreeLoopbackPort();
  // Without chardelay ser2net passes each reply on as it comes, instead of holding it a few
  // milliseconds in case more follows.
  const std::string config = folder_.Write(
      "ser2net.yaml", "connection: &logger\n  accepter: tcp,127.0.0.1," + std::to_string(port) +
                          "\n  connector: serialdev," + device +
                          ",115200n82,local\n  options:\n    chardelay: false\n");
  const std::string log = folder_.File("ser2net.log");
  pid_ = fork();
  if (pid_ == 0) {
    const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
    closefrom(STDERR_FILENO + 1);  // nothing the test holds open stays open there
    execl(kSer2net, kSer2net, "-n", "-u", "-c", config.c_str(), nullptr);
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
    if (waitpid(pid_, nullptr, WNOHANG) != 0) {
      pid_ = -1;  // ended, and reaped
    } else if (LoopbackSocket(port, true) != 0) {
      portName_ = "socket://127.0.0.1:" + std::to_string(port);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ADD_FAILURE() << "ser2net did not serve " << device << " within 5 s: " << ReadFile(log);
  Stop();
}

void Ser2netProcess::Stop() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  pid_ = -1;
}

}  // namespace km62rx::testing
