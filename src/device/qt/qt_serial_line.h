#pragma once

#include <QSerialPort>
#include <QString>
#include <string>

#include "device/serial_line.h"

namespace km62rx::device {

// The serial line on QSerialPort, used without an event loop: every call
// blocks at most as long as it is asked to. Needs a QCoreApplication.
class QtSerialLine : public SerialLine {
 public:
  // writeTimeoutMs bounds a write that the line cannot take (flow control
  // holding it back).
  explicit QtSerialLine(int writeTimeoutMs = 10000);
  ~QtSerialLine() override;

  bool Open(const std::string& portName, const LineSettings& settings) override;
  bool IsOpen() const override;
  void Close() override;
  long BytesWaiting() override;
  long Read(char* buffer, std::size_t maxBytes) override;
  long Write(const char* data, std::size_t size) override;
  bool WaitForInput(int timeoutMs) override;

 private:
  // True when the last operation left an error other than a time-out; the
  // error is cleared either way.
  bool TakeFailure();
  bool DeviceVanished() const;

  QSerialPort port_;
  QString deviceNode_;  // the device path, to notice a node that went away
  int writeTimeoutMs_;
};

}  // namespace km62rx::device
