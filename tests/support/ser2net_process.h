#pragma once

#include <sys/types.h>

#include <string>

#include "support/temp_folder.h"

namespace km62rx::testing {

// Runs ser2net in the foreground for the length of a test, with a
// configuration file of its own (never the system's), serving one serial
// device (the simulator's terminal) on a free TCP port of the loopback
// address. The constructor waits until it accepts connections.
class Ser2netProcess {
 public:
  explicit Ser2netProcess(const std::string& device);
  ~Ser2netProcess();
  Ser2netProcess(const Ser2netProcess&) = delete;
  Ser2netProcess& operator=(const Ser2netProcess&) = delete;

  // Whether ser2net is installed; tests that need it skip without it.
  static bool Installed();

  // The port name to open: socket://127.0.0.1:PORT; empty when ser2net did
  // not start.
  const std::string& portName() const { return portName_; }
  // Stops ser2net now, which closes the connections it serves.
  void Stop();

 private:
  TempFolder folder_;
  pid_t pid_ = -1;
  std::string portName_;
};

// A TCP port of the loopback address on which nothing listens now.
int FreeLoopbackPort();

}  // namespace km62rx::testing
