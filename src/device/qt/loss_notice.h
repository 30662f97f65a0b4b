#pragma once

#include <QObject>
#include <functional>

namespace km62rx::device {

// Tells a line's watcher that the device (or network peer) of the port open
// now is gone, and has the line closed. The notice is queued on the event
// loop of the line's thread, because the loss may come up in the middle of
// one of the line's own calls (inside a wait), where the port must not be
// closed under the caller. It is sent at most once for each port opened, and
// a notice for an earlier port never closes a later one.
class LossNotice {
 public:
  // lost is called when the loss is told; lines that nobody watches are
  // still closed.
  void Watch(std::function<void()> lost) { lost_ = std::move(lost); }
  // A new port is being opened.
  void Opened() { ++openings_; }
  // Queues the notice for the port open now. When it comes and that port is
  // still open (stillOpen), the watcher is told and then close is called.
  void Queue(std::function<bool()> stillOpen, std::function<void()> close);

 private:
  QObject context_;  // lives in the line's thread, and runs the queued notice there
  std::function<void()> lost_;
  int openings_ = 0;
  int noticed_ = -1;  // the opening whose notice is on its way
};

}  // namespace km62rx::device
