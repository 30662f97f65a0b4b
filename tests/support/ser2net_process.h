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

}  // namespace km62rx::testing
