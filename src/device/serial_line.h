#pragma once

#include <cstddef>
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

// One serial port. The real backends are the termios line, and QTcpSocket
// for a port shared over the network; tests use a scripted fake or the
// simulator over a pseudo-terminal. No call blocks longer than it is asked
// to.
class SerialLine {
 public:
  virtual ~SerialLine() = default;
  // Opens the port by the name discovery lists (ttyUSB0, COM3) or by device
  // path (/dev/pts/7, or a link to one such as /dev/serial/by-id/... or
  // ./sim_a; see DevicePath) and applies the line settings; a network port (socket://HOST:PORT)
  // keeps the server's line settings. False when the port cannot be opened.
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
  // Noticing, while no call of the line runs, that the device of the open
  // port (or the network peer) is gone, without an event loop of the line's
  // own: the front end watches LossDescriptor in its event loop (or, when
  // there is none, calls CheckForLoss from a timer) and calls CheckForLoss
  // when it turns readable, and once after each command it ran, since a
  // call may have seen the device go in the middle of a wait.
  //
  // A descriptor that turns readable or hung up when input arrives or the
  // device goes; -1 when the line has none (or no port is open). It stays
  // the same, and open, until Open, Close or a CheckForLoss that closes.
  virtual int LossDescriptor() const { return -1; }
  // Checks without waiting whether the device of the open port is gone, or a
  // call of the line has already seen it go; input that came while nobody
  // asked is dropped, as the next exchange would drop it. When gone, the
  // line is closed and true returned, once for each port opened; a closed
  // line gives false. Never called during another call of the line.
  virtual bool CheckForLoss() { return false; }
};

}  // namespace km62rx::device
