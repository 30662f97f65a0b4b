#pragma once

#include <QSerialPort>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QSocketNotifier;

#include "device/qt/loss_notice.h"
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
  OpenFailure LastOpenFailure() const override { return openFailure_; }
  bool IsOpen() const override;
  void Close() override;
  long BytesWaiting() override;
  long Read(char* buffer, std::size_t maxBytes) override;
  long Write(const char* data, std::size_t size) override;
  bool WaitForInput(int timeoutMs) override;
  void WatchForLoss(std::function<void()> lost) override;

 private:
  // True when the last operation left an error other than a time-out; the
  // error is cleared either way.
  bool TakeFailure();
  // Sorts the error of a failed open into the reasons a user can act on.
  OpenFailure ClassifyOpenError(QSerialPort::SerialPortError error) const;
  bool DeviceVanished() const;
  // Tells the watcher, once the current call has returned, that the device
  // of the port open now is gone.
  void QueueLoss();
  void WatchForHangUp();

  QSerialPort port_;
  QString deviceNode_;  // the device path, to notice a node that went away
  OpenFailure openFailure_ = OpenFailure::kUnknown;
  int writeTimeoutMs_;
  LossNotice lossNotice_;
  // Watches the open port for a hang-up (Unix): a hung-up terminal reads as
  // end of file, which QSerialPort does not report as an error.
  std::unique_ptr<QSocketNotifier> hangUpWatch_;
};

}  // namespace km62rx::device
