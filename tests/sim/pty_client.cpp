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
  if (fd_ < 0)
    return;
  termios tio{};
  if (tcgetattr(fd_, &tio) == 0) {
    tio.c_iflag &=
        ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    cfsetispeed(&tio, B115200);
    cfsetospeed(&tio, B115200);
    tcsetattr(fd_, TCSANOW, &tio);
  }
}

PtyClient::~PtyClient() {
  Close();
}

void PtyClient::Close() {
  if (fd_ >= 0)
    close(fd_);
  fd_ = -1;
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

std::string PtyClient::ReadReply(int timeoutMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  std::string reply;
  lastReadCalls_ = 0;
  while (reply.empty() || reply.back() != '\r') {
    pollfd pfd{fd_, POLLIN, 0};
    const int left = MsLeft(deadline);
    if (left == 0 || poll(&pfd, 1, left) <= 0)
      break;
    char bytes[256];
    const ssize_t n = read(fd_, bytes, sizeof bytes);
    if (n <= 0) {
      if (n < 0 && (errno == EINTR || errno == EAGAIN))
        continue;
      break;
    }
    ++lastReadCalls_;
    reply.append(bytes, static_cast<std::size_t>(n));
  }
  return reply;
}

std::string PtyClient::ReadFor(int ms) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  std::string bytes;
  lastReadCalls_ = 0;
  for (int left = MsLeft(deadline); left > 0; left = MsLeft(deadline)) {
    pollfd pfd{fd_, POLLIN, 0};
    if (poll(&pfd, 1, left) <= 0)
      break;
    char chunk[256];
    const ssize_t n = read(fd_, chunk, sizeof chunk);
    if (n <= 0) {
      if (n < 0 && (errno == EINTR || errno == EAGAIN))
        continue;
      break;
    }
    ++lastReadCalls_;
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  return bytes;
}

std::string PtyClient::Exchange(const std::string& line, int timeoutMs) {
  if (!Write(line + "\r"))
    return {};
  return ReadReply(timeoutMs);
}

bool PtyClient::WaitForHangUp(int timeoutMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    char byte = 0;
    const ssize_t n = read(fd_, &byte, 1);
    if (n == 0)
      return true;
    if (n < 0 && errno != EAGAIN && errno != EINTR)
      return true;
    const int left = MsLeft(deadline);
    if (left == 0)
      return false;
    pollfd pfd{fd_, POLLIN, 0};
    poll(&pfd, 1, left < 20 ? left : 20);
  }
}

}  // namespace km62rx::testing
