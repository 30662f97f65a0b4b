#pragma once

#include <sys/types.h>

#include <string>

#include "support/temp_folder.h"

namespace km62rx::testing {

// Runs Debian's ser2net in the foreground with a configuration file of its own (never the
// system's), serving one device on a free loopback TCP port, for the length of a test. The
// constructor waits until it accepts connections.
class Ser2netProcess {
 public:
  explicit Ser2netProcess(const std::string& device);
  ~Ser2netProcess() { Stop(); }
  static bool Installed();
  // socket://127.0.0.1:PORT; empty when ser2net did not start.
  const std::string& portName() const { return portName_; }
  void Stop();  // closes the connections it serves

 private:
  TempFolder folder_;
  pid_t pid_ = -1;
  std::string portName_;
};

// A loopback TCP port on which nothing listens now.
int FreeLoopbackPort();

// A TCP port on the loopback address that takes connections and never speaks by itself: the
// system completes each connect, and the test may take one with Accept to write to it or close
// it.
class LoopbackListener {
 public:
  LoopbackListener();
  ~LoopbackListener();
  LoopbackListener(const LoopbackListener&) = delete;
  LoopbackListener& operator=(const LoopbackListener&) = delete;
  int port() const { return port_; }
  // The descriptor of the next connection (the caller closes it); waits for one.
  int Accept();

 private:
  int fd_ = -1;
  int port_ = 0;
};

}  // namespace km62rx::testing
