#pragma once

#include <windows.h>

#include <string>

#include "device/serial_line.h"

namespace km62rx::device {

// The serial line on the Windows communications API. The port is opened
// overlapped and held exclusively (share mode 0). Reads take only what the
// driver has queued and return at once; a wait for input is one
// WaitCommEvent for EV_RXCHAR, waited on up to its deadline, so that it
// ends as soon as a byte arrives (on Windows and under Wine alike, where a
// read time-out would be waited out whole). A device that goes away (an
// adapter pulled) fails the call that meets it and stays remembered until
// CheckForLoss or Close.
class Win32SerialLine : public SerialLine {
 public:
  // writeTimeoutMs bounds a write that the line cannot take (flow control
  // holding it back).
  explicit Win32SerialLine(int writeTimeoutMs = 10000);
  ~Win32SerialLine() override;
  Win32SerialLine(const Win32SerialLine&) = delete;
  Win32SerialLine& operator=(const Win32SerialLine&) = delete;

  bool Open(const std::string& portName, const LineSettings& settings) override;
  OpenFailure LastOpenFailure() const override { return openFailure_; }
  bool IsOpen() const override { return port_ != INVALID_HANDLE_VALUE; }
  void Close() override;
  long BytesWaiting() override;
  long Read(char* buffer, std::size_t maxBytes) override;
  long Write(const char* data, std::size_t size) override;
  bool WaitForInput(int timeoutMs) override;
  bool CheckForLoss() override;

 private:
  // Applies the line settings; false when the port refuses them.
  bool Configure(const LineSettings& settings);
  // Waits for an overlapped call to end, at most timeoutMs (INFINITE for
  // calls that end at once); cancels it when it does not. The bytes it
  // moved, or -1 when it failed.
  long Finish(OVERLAPPED& call, DWORD timeoutMs);
  // Notes the error of a failed call: remembers a device that is gone.
  void NoteFailure(DWORD error);

  HANDLE port_ = INVALID_HANDLE_VALUE;
  HANDLE readEvent_ = nullptr;
  HANDLE writeEvent_ = nullptr;
  HANDLE waitEvent_ = nullptr;
  bool lost_ = false;  // a call saw the device go
  OpenFailure openFailure_ = OpenFailure::kUnknown;
  int writeTimeoutMs_;
};

}  // namespace km62rx::device
