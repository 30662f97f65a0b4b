#pragma once

#include <string>

namespace km62rx::testing {

// The client end of a serial line for tests: opens a terminal device with
// plain POSIX calls in raw mode and exchanges bytes with a deadline.
class PtyClient {
 public:
  explicit PtyClient(const std::string& path);
  ~PtyClient();
  PtyClient(const PtyClient&) = delete;
  PtyClient& operator=(const PtyClient&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  bool Write(const std::string& bytes);
  // Reads what arrives within ms milliseconds; with untilCr, stops early once
  // the newest byte received is a CR.
  std::string Read(int ms, bool untilCr = false);
  // Writes line and CR, then reads the reply (up to its CR, at most 2 s).
  std::string Exchange(const std::string& line);
  // Read calls that delivered data during the last read.
  int lastReadCalls() const { return lastReadCalls_; }
  // True when a read reports end of file or an error (EIO) within ms.
  bool WaitForHangUp(int ms);

 private:
  int fd_ = -1;
  int lastReadCalls_ = 0;
};

}  // namespace km62rx::testing
