#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <string>

#include "device/forwarding_line.h"

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
class LineLossWatch : public device::ForwardingLine {
 public:
  // lost is called from the event loop when the line found its device gone
  // and closed the port.
  LineLossWatch(std::unique_ptr<device::SerialLine> line, std::function<void()> lost);
  ~LineLossWatch() override;

  bool Open(const std::string& portName, const device::LineSettings& settings) override;
  void Close() override;
  bool CheckForLoss() override;

  // Checks for a loss once the event being handled now is done.
  void CheckSoon();

 private:
  // Checks, and tells of a loss.
  void Check();
  void Disarm();
  // Watches the line's descriptor, when it has one.
  void Arm();

  std::function<void()> lost_;
  QSocketNotifier readWatch_{QSocketNotifier::Read};
  QSocketNotifier exceptionWatch_{QSocketNotifier::Exception};
};

}  // namespace km62rx::app
