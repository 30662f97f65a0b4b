#pragma once

#include <chrono>
#include <string>

#include "device/serial_line.h"

namespace km62rx::device {

// The serial line on a POSIX terminal device, used without an event loop:
// every wait is one poll() bounded by the time asked for, which returns as
// soon as bytes arrive. While open the port is held exclusively, so that two
// programs never talk to one logger at once. A device that goes away (an
// adapter pulled, the far side of a pseudo-terminal closed, the device node
// or the link to it removed) fails the call that meets it, and stays
// remembered until CheckForLoss or Close.
class PosixSerialLine : public SerialLine {
 public:
  // writeTimeoutMs bounds a write that the line cannot take (flow control
  // holding it back).
  explicit PosixSerialLine(int writeTimeoutMs = 10000);
  ~PosixSerialLine() override;
  PosixSerialLine(const PosixSerialLine&) = delete;
  PosixSerialLine& operator=(const PosixSerialLine&) = delete;

  bool Open(const std::string& portName, const LineSettings& settings) override;
  OpenFailure LastOpenFailure() const override { return openFailure_; }
  bool IsOpen() const override { return fd_ >= 0; }
  void Close() override;
  long BytesWaiting() override;
  long Read(char* buffer, std::size_t maxBytes) override;
  long Write(const char* data, std::size_t size) override;
  bool WaitForInput(int timeoutMs) override;
  int LossDescriptor() const override { return fd_; }
  bool CheckForLoss() override;

 private:
  // Open, not known to be gone, and its device node still there.
  bool Usable();
  // Whether poll reports the port hung up or failed, without waiting.
  bool HungUp() const;
  // Waits until the port takes more output, at most until the deadline.
  // False on time-out or when the device is gone.
  bool WaitUntilWritable(std::chrono::steady_clock::time_point deadline);
  // Notes an errno of a failed read, write or ioctl that means the device
  // is gone.
  void NoteFailure(int error);

  int fd_ = -1;
  std::string devicePath_;  // as opened, to notice a node that went away
  bool lost_ = false;       // a call saw the device go
  OpenFailure openFailure_ = OpenFailure::kUnknown;
  int writeTimeoutMs_;
};

}  // namespace km62rx::device
