#include "device/win32/serial_line.h"

#include <algorithm>
#include <chrono>
#include <climits>

#include "device/port_path.h"
#include "settings/file_path.h"

namespace km62rx::device {

namespace {

using SteadyClock = std::chrono::steady_clock;

// How long a wait for input looks at the queue before it waits for the
// driver's character event.
constexpr auto kQuickLook = std::chrono::microseconds(500);

OpenFailure OpenFailureFor(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
      return OpenFailure::kNotFound;
    // A COM port is opened without sharing: Windows answers access denied
    // while another program holds it.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
      return OpenFailure::kBusy;
    default:
      return OpenFailure::kUnknown;
  }
}

// Errors by which a port says that its device is gone: an unplugged USB
// adapter fails calls with one of these, and Wine's pseudo-terminal after a
// hang-up with ERROR_NOT_READY or ERROR_IO_DEVICE.
bool MeansGone(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_BAD_COMMAND:
    case ERROR_DEVICE_REMOVED:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_GEN_FAILURE:
    case ERROR_NOT_READY:
    case ERROR_IO_DEVICE:
    case ERROR_INVALID_HANDLE:
      return true;
    default:
      return false;
  }
}

// Milliseconds from now until the deadline, for a wait; 0 once it passed.
DWORD MillisecondsUntil(SteadyClock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - SteadyClock::now());
  return static_cast<DWORD>(std::clamp<long long>(left.count(), 0, INFINITE - 1));
}

HANDLE NewEvent() {
  return CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

void CloseEvent(HANDLE& event) {
  if (event != nullptr)
    CloseHandle(event);
  event = nullptr;
}

// The line settings as the connect dialog maps them into a DCB. With
// handshake false the modem lines are left alone and nothing waits for CTS,
// for a port that has no modem lines.
void FillDcb(DCB& dcb, const LineSettings& settings, bool handshake) {
  dcb.BaudRate = settings.baudRate;
  dcb.ByteSize = settings.dataBits;
  dcb.Parity = settings.parity == kParityOdd    ? ODDPARITY
               : settings.parity == kParityEven ? EVENPARITY
                                                : NOPARITY;
  dcb.StopBits = settings.stopBits == kTwoStopBits ? TWOSTOPBITS : ONESTOPBIT;
  dcb.fBinary = TRUE;
  dcb.fParity = settings.parityCheck != 0 && settings.parity != kParityNone;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fTXContinueOnXoff = TRUE;
  dcb.fErrorChar = FALSE;
  dcb.fNull = FALSE;
  dcb.fAbortOnError = FALSE;  // an error must not stop every later call
  const bool xonXoff = settings.xonXoff != 0;
  dcb.fOutX = xonXoff;
  dcb.fInX = xonXoff;
  dcb.XonChar = 0x11;
  dcb.XoffChar = 0x13;
  dcb.XonLim = 256;
  dcb.XoffLim = 256;
  dcb.fOutxCtsFlow = handshake && !xonXoff;
  dcb.fRtsControl = !handshake ? RTS_CONTROL_ENABLE
                    : xonXoff  ? RTS_CONTROL_DISABLE
                               : RTS_CONTROL_HANDSHAKE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
}

}  // namespace

Win32SerialLine::Win32SerialLine(int writeTimeoutMs) : writeTimeoutMs_(writeTimeoutMs) {}

Win32SerialLine::~Win32SerialLine() {
  Close();
}

bool Win32SerialLine::Configure(const LineSettings& settings) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!GetCommState(port_, &dcb))
    return false;
  FillDcb(dcb, settings, true);
  if (!SetCommState(port_, &dcb)) {
    // A port without modem lines (a pseudo-terminal under Wine) may refuse
    // the handshake; the line works without it, as on POSIX.
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(port_, &dcb))
      return false;
    FillDcb(dcb, settings, false);
    if (!SetCommState(port_, &dcb))
      return false;
  }
  // DTR on, and RTS held low under XON/XOFF; a port without modem lines
  // refuses these, which is no fault.
  EscapeCommFunction(port_, SETDTR);
  if (settings.xonXoff != 0)
    EscapeCommFunction(port_, CLRRTS);
  // Reads return at once with what is queued; waits are WaitCommEvent's.
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = MAXDWORD;
  timeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(std::max(0, writeTimeoutMs_));
  return SetCommTimeouts(port_, &timeouts) && SetCommMask(port_, EV_RXCHAR);
}

bool Win32SerialLine::Open(const std::string& portName, const LineSettings& settings) {
  Close();
  openFailure_ = OpenFailure::kUnknown;
  lost_ = false;
  if (portName.empty())
    return false;
  // \\.\COMn: the only form that reaches COM10 and above.
  const std::wstring path = settings::PathFromUtf8(DevicePath(portName)).wstring();
  port_ = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                      FILE_FLAG_OVERLAPPED, nullptr);
  if (port_ == INVALID_HANDLE_VALUE) {
    openFailure_ = OpenFailureFor(GetLastError());
    return false;
  }
  readEvent_ = NewEvent();
  writeEvent_ = NewEvent();
  waitEvent_ = NewEvent();
  if (GetFileType(port_) != FILE_TYPE_CHAR) {
    // A file, or under Wine a COM name whose device is not there.
    openFailure_ = OpenFailure::kNotFound;
    Close();
    return false;
  }
  if (readEvent_ == nullptr || writeEvent_ == nullptr || waitEvent_ == nullptr ||
      !Configure(settings)) {
    Close();
    return false;  // not a serial port, or one that refuses the settings
  }
  // Nothing received before the open belongs to this connection.
  PurgeComm(port_, PURGE_RXCLEAR | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_TXABORT);
  return true;
}

void Win32SerialLine::Close() {
  if (port_ != INVALID_HANDLE_VALUE) {
    CancelIo(port_);
    CloseHandle(port_);
  }
  port_ = INVALID_HANDLE_VALUE;
  CloseEvent(readEvent_);
  CloseEvent(writeEvent_);
  CloseEvent(waitEvent_);
  lost_ = false;
}

void Win32SerialLine::NoteFailure(DWORD error) {
  if (MeansGone(error))
    lost_ = true;
}

long Win32SerialLine::Finish(OVERLAPPED& call, DWORD timeoutMs) {
  DWORD moved = 0;
  if (WaitForSingleObject(call.hEvent, timeoutMs) != WAIT_OBJECT_0)
    CancelIoEx(port_, &call);
  // After a cancel the call still ends, with what it did.
  if (GetOverlappedResult(port_, &call, &moved, TRUE))
    return static_cast<long>(moved);
  const DWORD error = GetLastError();
  NoteFailure(error);
  return error == ERROR_OPERATION_ABORTED ? static_cast<long>(moved) : -1;
}

long Win32SerialLine::BytesWaiting() {
  if (port_ == INVALID_HANDLE_VALUE || lost_)
    return -1;
  DWORD errors = 0;
  COMSTAT status{};
  // A pulled adapter fails this call; ignoring that would loop forever.
  if (!ClearCommError(port_, &errors, &status)) {
    lost_ = true;
    return -1;
  }
  return static_cast<long>(std::min<DWORD>(status.cbInQue, LONG_MAX));
}

long Win32SerialLine::Read(char* buffer, std::size_t maxBytes) {
  if (port_ == INVALID_HANDLE_VALUE || lost_)
    return -1;
  if (maxBytes == 0)
    return 0;
  const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(maxBytes, LONG_MAX));
  OVERLAPPED call{};
  call.hEvent = readEvent_;
  ResetEvent(readEvent_);
  DWORD got = 0;
  if (ReadFile(port_, buffer, wanted, &got, &call))
    return static_cast<long>(got);
  const DWORD error = GetLastError();
  if (error != ERROR_IO_PENDING) {
    NoteFailure(error);
    return -1;
  }
  // The time-outs make the read end at once; it is waited for all the same.
  return Finish(call, INFINITE);
}

long Win32SerialLine::Write(const char* data, std::size_t size) {
  if (port_ == INVALID_HANDLE_VALUE || lost_)
    return -1;
  const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, LONG_MAX));
  OVERLAPPED call{};
  call.hEvent = writeEvent_;
  ResetEvent(writeEvent_);
  DWORD done = 0;
  long written = -1;
  if (WriteFile(port_, data, wanted, &done, &call)) {
    written = static_cast<long>(done);
  } else if (const DWORD error = GetLastError(); error == ERROR_IO_PENDING) {
    written = Finish(call, static_cast<DWORD>(std::max(0, writeTimeoutMs_)));
  } else {
    NoteFailure(error);
  }
  if (written >= 0 && static_cast<DWORD>(written) < wanted) {
    // Whatever did not go out must not trail into a later command.
    PurgeComm(port_, PURGE_TXCLEAR | PURGE_TXABORT);
  }
  if (lost_ && written <= 0)
    return -1;
  return written;
}

bool Win32SerialLine::WaitForInput(int timeoutMs) {
  const long waiting = BytesWaiting();
  if (waiting != 0)
    return waiting > 0;
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
  // A reply that is on its way is looked for first, for at most kQuickLook,
  // giving up the processor between looks: under Wine each WaitCommEvent
  // costs several round trips to its server (about 0.4 ms an exchange),
  // while a look at the queue is one ioctl.
  const auto quickLookEnd = std::min(deadline, SteadyClock::now() + kQuickLook);
  while (SteadyClock::now() < quickLookEnd) {
    SwitchToThread();
    const long queued = BytesWaiting();
    if (queued != 0)
      return queued > 0;
  }
  for (int emptyWakes = 0;; ++emptyWakes) {
    OVERLAPPED call{};
    call.hEvent = waitEvent_;
    ResetEvent(waitEvent_);
    DWORD events = 0;
    if (!WaitCommEvent(port_, &events, &call)) {
      const DWORD error = GetLastError();
      if (error == ERROR_IO_PENDING) {
        // A byte that came between the look above and the start of the
        // wait would not end it.
        const long queued = BytesWaiting();
        Finish(call, queued != 0 ? 0 : MillisecondsUntil(deadline));
      } else {
        // Refused (Wine refuses a wait while the one cancelled before is
        // still being taken down): look at the queue below, and wait again.
        NoteFailure(error);
        emptyWakes = std::max(emptyWakes, 2);
      }
    }
    const long queued = BytesWaiting();
    if (queued != 0)
      return queued > 0;
    if (lost_ || MillisecondsUntil(deadline) == 0)
      return false;
    // A wait that ended without bytes: the driver remembers a character
    // event from before the wait (one already read), which ends the next
    // wait at once. Wait again, and should the driver keep ending waits at
    // once, without spinning.
    if (emptyWakes >= 2)
      Sleep(1);
  }
}

bool Win32SerialLine::CheckForLoss() {
  if (port_ == INVALID_HANDLE_VALUE)
    return false;
  if (!lost_) {
    // Drop what came while nobody asked, as the next exchange would.
    char scratch[256];
    int rounds = 64;  // a chatty device cannot keep the check going
    while (rounds-- > 0 && BytesWaiting() > 0 && Read(scratch, sizeof scratch) > 0)
      continue;
    BytesWaiting();
  }
  if (!lost_)
    return false;
  Close();
  return true;
}

}  // namespace km62rx::device
