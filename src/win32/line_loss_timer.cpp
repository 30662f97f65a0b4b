#include "win32/line_loss_timer.h"

#include "win32/window_messages.h"

namespace km62rx::win32 {

bool LineLossTimer::Open(const std::string& portName, const device::LineSettings& settings) {
  const bool opened = ForwardingLine::Open(portName, settings);
  if (opened && window_ != nullptr)
    SetTimer(window_, kLineCheckTimer, kLineCheckIntervalMs, nullptr);
  return opened;
}

void LineLossTimer::Close() {
  StopTimer();
  ForwardingLine::Close();
}

bool LineLossTimer::CheckForLoss() {
  const bool lost = ForwardingLine::CheckForLoss();
  if (lost || !IsOpen())
    StopTimer();
  return lost;
}

void LineLossTimer::Check() {
  if (CheckForLoss() && lost_)
    lost_();
}

void LineLossTimer::StopTimer() {
  if (window_ != nullptr)
    KillTimer(window_, kLineCheckTimer);
}

}  // namespace km62rx::win32
