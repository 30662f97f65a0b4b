#pragma once

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>

namespace km62rx::testing {

// The client end of a serial line for tests: a terminal device in raw mode,
// read with a deadline.
class PtyClient {
 public:
  explicit PtyClient(const std::string& path)
      : fd_(open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {
    termios tio{};
    if (fd_ >= 0 && tcgetattr(fd_, &tio) == 0) {
      cfmakeraw(&tio);
      tcsetattr(fd_, TCSANOW, &tio);
    }
  }
  ~PtyClient() { close(fd_); }
  PtyClient(const PtyClient&) = delete;
  PtyClient& operator=(const PtyClient&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  bool Write(const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
      const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
      if (n <= 0 && errno != EAGAIN)
        return false;
      done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    return true;
  }
  // What arrives within ms milliseconds; with untilCr, up to the first reply's
  // CR. Notes a hang-up.
  std::string Read(int ms, bool untilCr = false) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    std::string bytes;
    while (!untilCr || bytes.empty() || bytes.back() != '\r') {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      pollfd pfd{fd_, POLLIN, 0};
      if (left <= 0 || poll(&pfd, 1, static_cast<int>(left)) <= 0)
        break;
      char chunk[256];
      const ssize_t n = read(fd_, chunk, sizeof chunk);
      if (n < 0 && errno == EAGAIN)
        continue;
      if (n <= 0) {
        hungUp_ = true;
        break;
      }
      bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return bytes;
  }
  std::string Exchange(const std::string& line) {
    return Write(line + "\r") ? Read(2000, true) : std::string();
  }
  bool hungUp() const { return hungUp_; }

 private:
  int fd_;
  bool hungUp_ = false;
};

}  // namespace km62rx::testing
