#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "device/forwarding_line.h"

namespace km62rx::win32 {

// The window's serial line, checked for a logger that goes away (unplugged,
// switched off) while no command runs. The Windows lines have no descriptor
// to watch, so a timer of the window checks while a port is open, and the
// window checks once more after each command it ran (a command may have met
// the loss in the middle of a wait). Every other call passes through.
class LineLossTimer : public device::ForwardingLine {
 public:
  // lost is called when a check found the device gone and the line closed.
  LineLossTimer(std::unique_ptr<device::SerialLine> line, std::function<void()> lost)
      : ForwardingLine(std::move(line)), lost_(std::move(lost)) {}
  ~LineLossTimer() override { StopTimer(); }

  // The window whose timer (kLineCheckTimer) runs the checks.
  void SetWindow(HWND window) { window_ = window; }

  bool Open(const std::string& portName, const device::LineSettings& settings) override;
  void Close() override;
  bool CheckForLoss() override;

  // Checks, and tells of a loss: on the timer and after each command.
  void Check();

 private:
  void StopTimer();

  std::function<void()> lost_;
  HWND window_ = nullptr;
};

}  // namespace km62rx::win32
