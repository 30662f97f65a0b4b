#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <string>

#include "device/serial_line.h"

namespace km62rx::app {

// The window's serial line, watched from the event loop for a logger that
// goes away (unplugged, switched off) while no command runs. It watches the
// line's LossDescriptor and calls CheckForLoss when that turns readable or
// hung up, and once after each command the window runs (CheckSoon), since a
// command may have met the loss in the middle of a wait. Every call passes
// through to the line; Open, Close and CheckForLoss re-arm the watch as they
// run, so the event loop never watches a descriptor that was closed (Qt
// warns of it, and a file that got the same number would keep waking the
// window).
class LineLossWatch : public device::SerialLine {
 public:
  // lost is called from the event loop when the line found its device gone
  // and closed the port.
  LineLossWatch(std::unique_ptr<device::SerialLine> line, std::function<void()> lost);
  ~LineLossWatch() override;

  bool Open(const std::string& portName, const device::LineSettings& settings) override;
  device::OpenFailure LastOpenFailure() const override { return line_->LastOpenFailure(); }
  bool IsOpen() const override { return line_->IsOpen(); }
  void Close() override;
  long BytesWaiting() override { return line_->BytesWaiting(); }
  long Read(char* buffer, std::size_t maxBytes) override { return line_->Read(buffer, maxBytes); }
  long Write(const char* data, std::size_t size) override { return line_->Write(data, size); }
  bool WaitForInput(int timeoutMs) override { return line_->WaitForInput(timeoutMs); }
  int LossDescriptor() const override { return line_->LossDescriptor(); }
  bool CheckForLoss() override;

  // Checks for a loss once the event being handled now is done.
  void CheckSoon();

 private:
  // Checks, and tells of a loss.
  void Check();
  void Disarm();
  // Watches the line's descriptor, when it has one.
  void Arm();

  std::unique_ptr<device::SerialLine> line_;
  std::function<void()> lost_;
  QSocketNotifier readWatch_{QSocketNotifier::Read};
  QSocketNotifier exceptionWatch_{QSocketNotifier::Exception};
};

}  // namespace km62rx::app
