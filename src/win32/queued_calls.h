#pragma once

#include <windows.h>

#include <deque>
#include <functional>

namespace km62rx::win32 {

// Calls that run after the event being handled now: each is kept here and a
// message is posted to the window, whose procedure runs the oldest call when
// the message arrives. A call posted to a window that is gone is dropped.
class QueuedCalls {
 public:
  QueuedCalls(HWND window, UINT message) : window_(window), message_(message) {}

  void Post(std::function<void()> call);
  // Runs the oldest call; for the window's procedure, on the message.
  void RunNext();

 private:
  HWND window_;
  UINT message_;
  std::deque<std::function<void()>> calls_;
};

}  // namespace km62rx::win32
