#include "pty_client.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace km62rx::testing {

namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

PtyClient::PtyClient(const std::string& path) {
  fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  termios tio{};
  if (fd_ >= 0 && tcgetattr(fd_, &tio) == 0) {
    cfmakeraw(&tio);
    tio.c_cflag |= CREAD | CLOCAL;
    tcsetattr(fd_, TCSANOW, &tio);
  }
}

PtyClient::~PtyClient() {
  if (fd_ >= 0)
    close(fd_);
}

bool PtyClient::Write(const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
      continue;
    if (n <= 0)
      return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string PtyClient::Read(int ms, bool untilCr) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  std::string bytes;
  lastReadCalls_ = 0;
  while (!(untilCr && !bytes.empty() && bytes.back() == '\r')) {
    pollfd pfd{fd_, POLLIN, 0};
    const int left = MsLeft(deadline);
    if (left == 0 || poll(&pfd, 1, left) <= 0)
      break;
    char chunk[256];
    const ssize_t n = read(fd_, chunk, sizeof chunk);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
      continue;
    if (n <= 0)
      break;
    ++lastReadCalls_;
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  return bytes;
}

std::string PtyClient::Exchange(const std::string& line) {
  return Write(line + "\r") ? Read(2000, true) : std::string();
}

bool PtyClient::WaitForHangUp(int ms) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    char byte = 0;
    const ssize_t n = read(fd_, &byte, 1);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
      return true;
    const int left = MsLeft(deadline);
    if (left == 0)
      return false;
    pollfd pfd{fd_, POLLIN, 0};
    poll(&pfd, 1, left < 20 ? left : 20);
  }
}

}  // namespace km62rx::testing
