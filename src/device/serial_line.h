#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "device/line_settings.h"

namespace km62rx::device {

// Why the last Open of a line failed, as far as the line can tell.
enum class OpenFailure {
  kUnknown,           // no reason known (or the line cannot tell)
  kNotFound,          // there is no such device
  kPermissionDenied,  // the device exists but this user may not open it
  kBusy,              // another program holds the port (or is connected to a network port)
  // A network port (socket://HOST:PORT):
  kBadAddress,   // the name is not socket://HOST:PORT
  kUnknownHost,  // the host name is not known
  kRefused,      // the host refused the connection (nothing serves that port)
  kTimedOut,     // the lookup and connect did not complete in time
};

// One serial port. The real backends are QSerialPort, and QTcpSocket for a
// port shared over the network; tests use a scripted fake or the simulator
// over a pseudo-terminal. No call blocks longer than
// it is asked to.
class SerialLine {
 public:
  virtual ~SerialLine() = default;
  // Opens the port by the name discovery lists (ttyUSB0, COM3) or by device
  // path (/dev/pts/7, or a link to one such as /dev/serial/by-id/... or
  // ./sim_a; see DevicePath) and applies the line settings; a network port (socket://HOST:PORT) keeps the server's line settings. False
  // when the port cannot be opened.
  virtual bool Open(const std::string& portName, const LineSettings& settings) = 0;
  // Why the last Open returned false.
  virtual OpenFailure LastOpenFailure() const { return OpenFailure::kUnknown; }
  virtual bool IsOpen() const = 0;
  virtual void Close() = 0;
  // Bytes received and ready to read without waiting; -1 when the port has
  // failed or disappeared.
  virtual long BytesWaiting() = 0;
  // Reads at most maxBytes of what is already received, without waiting.
  // Returns the number of bytes read, -1 on error.
  virtual long Read(char* buffer, std::size_t maxBytes) = 0;
  // Writes the bytes and waits until they are handed to the line. Returns the
  // number written, -1 on error.
  virtual long Write(const char* data, std::size_t size) = 0;
  // Waits up to timeoutMs for input. True when input is waiting, false on
  // time-out or error.
  virtual bool WaitForInput(int timeoutMs) = 0;
  // Asks to be told when the open port reports that its device is gone (a
  // USB adapter pulled, the far end of a pseudo-terminal closed) while no
  // call of this line runs: lost is then called once, from the program's
  // event loop. Lines that cannot tell never call it.
  virtual void WatchForLoss(std::function<void()> lost) { (void)lost; }
};

}  // namespace km62rx::device
