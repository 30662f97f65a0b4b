#include "win32/queued_calls.h"

namespace km62rx::win32 {

void QueuedCalls::Post(std::function<void()> call) {
  if (PostMessageW(window_, message_, 0, 0))
    calls_.push_back(std::move(call));
}

void QueuedCalls::RunNext() {
  if (calls_.empty())
    return;
  const std::function<void()> call = std::move(calls_.front());
  calls_.pop_front();
  call();
}

}  // namespace km62rx::win32
