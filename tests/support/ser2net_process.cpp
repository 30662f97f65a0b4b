#include "support/ser2net_process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace km62rx::testing {

namespace {

// Debian installs ser2net in /usr/sbin, which a user's PATH may lack.
std::string Ser2netPath() {
  std::string dirs = "/usr/sbin:/usr/local/sbin";
  if (const char* path = std::getenv("PATH"))
    dirs = std::string(path) + ":" + dirs;
  for (std::size_t start = 0; start <= dirs.size();) {
    const std::size_t end = std::min(dirs.find(':', start), dirs.size());
    const std::string candidate = dirs.substr(start, end - start) + "/ser2net";
    if (end > start && access(candidate.c_str(), X_OK) == 0)
      return candidate;
    start = end + 1;
  }
  return {};
}

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  return address;
}

bool Accepts(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  const sockaddr_in address = Loopback(port);
  const bool connected =
      fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  if (fd >= 0)
    close(fd);
  return connected;
}

}  // namespace

int FreeLoopbackPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  socklen_t size = sizeof address;
  int port = 0;
  if (fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), size) == 0 &&
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
    port = ntohs(address.sin_port);
  if (fd >= 0)
    close(fd);
  return port;
}

bool Ser2netProcess::Installed() {
  return !Ser2netPath().empty();
}

Ser2netProcess::Ser2netProcess(const std::string& device) {
  const int port = FreeLoopbackPort();
  // Without chardelay ser2net passes each reply on as soon as it comes,
  // instead of holding it for a few milliseconds in case more follows.
  const std::string config = folder_.Write(
      "ser2net.yaml", "connection: &logger\n  accepter: tcp,127.0.0.1," + std::to_string(port) +
                          "\n  connector: serialdev," + device +
                          ",115200n82,local\n"
                          "  options:\n    chardelay: false\n");
  const std::string log = folder_.File("ser2net.log");
  std::vector<std::string> words = {Ser2netPath(), "-n", "-u", "-c", config};
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_ = fork();
  if (pid_ == 0) {
    // Its messages go to a file of the folder; nothing of the test stays open in it.
    const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
    closefrom(STDERR_FILENO + 1);
    execv(argv[0], argv.data());
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
    if (waitpid(pid_, nullptr, WNOHANG) != 0) {
      pid_ = -1;  // it ended (and is reaped)
      break;
    }
    if (Accepts(port)) {
      portName_ = "socket://127.0.0.1:" + std::to_string(port);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ADD_FAILURE() << "Ser2netProcess: ser2net did not serve " << device
                << " within 5 s: " << ReadFile(log);
  Stop();
}

Ser2netProcess::~Ser2netProcess() {
  Stop();
}

void Ser2netProcess::Stop() {
  if (pid_ <= 0)
    return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

}  // namespace km62rx::testing
