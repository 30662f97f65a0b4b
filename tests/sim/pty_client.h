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
  void Close();
  bool Write(const std::string& bytes);
  // Reads until the newest byte received is a CR or timeoutMs passes; returns
  // what arrived (possibly nothing).
  std::string ReadReply(int timeoutMs = 2000);
  // Reads everything that arrives within ms milliseconds.
  std::string ReadFor(int ms);
  // Writes line and CR, then reads the reply.
  std::string Exchange(const std::string& line, int timeoutMs = 2000);
  // Counts the read calls that delivered data during the last read.
  int lastReadCalls() const { return lastReadCalls_; }
  // Waits until the line goes away: true when a read reports end of file or
  // an error (EIO) within timeoutMs.
  bool WaitForHangUp(int timeoutMs);

 private:
  int fd_ = -1;
  int lastReadCalls_ = 0;
};

}  // namespace km62rx::testing
