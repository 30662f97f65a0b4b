#pragma once

// The few calls in which POSIX sockets and Winsock differ, for the network
// line: socket_calls.cpp holds the POSIX ones, socket_calls_windows.cpp those
// of Winsock. Everything above them is the same on both systems.

#include <cstddef>

#include "device/sockets/socket_handle.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#endif

namespace km62rx::device::sockets {

// Makes the system's sockets ready for use (Winsock is started once for the
// process); false when they cannot be used.
bool StartSockets();

// A new TCP socket of the address family that never blocks and is not
// inherited by programs the process starts; kNoSocket when none is made.
SocketHandle OpenTcpSocket(int family);
void CloseSocket(SocketHandle socket);
// Ends the connection both ways but keeps the socket, so that whoever
// watches it sees it hang up.
void ShutDownSocket(SocketHandle socket);
// Sends each write at once instead of holding it back to gather more.
void SendAtOnce(SocketHandle socket);

// Starts connecting: 0 when connected at once, else the error, which is of
// ErrorKind::kWouldBlock while the connect goes on.
int StartConnect(SocketHandle socket, const sockaddr* address, int size);
// How a connect ended once the socket turned writable: 0 connected, else
// the error.
int ConnectError(SocketHandle socket);

// Bytes received and not read yet; -1 on error.
long BytesQueued(SocketHandle socket);
// Reads (or with peek, looks at) at most size bytes without waiting: the
// number of bytes, 0 when the peer has closed, -1 with the error left for
// LastSocketError.
long Receive(SocketHandle socket, char* buffer, std::size_t size, bool peek);
// Writes at most size bytes without waiting: the number written, or -1 with
// the error left for LastSocketError. A closed peer never raises SIGPIPE.
long Send(SocketHandle socket, const char* data, std::size_t size);
// The error of the last call that failed, in this thread.
int LastSocketError();

enum class ErrorKind {
  kWouldBlock,   // nothing to read, no room to write, or a connect going on
  kInterrupted,  // a signal came: try again
  kRefused,      // nothing listens on that port
  kTimedOut,     // the peer did not answer
  kOther,
};
ErrorKind KindOf(int error);

enum class Readiness { kReady, kTimedOut, kFailed };
// Waits at most timeoutMs for the socket to turn readable (or writable), a
// hang-up or error on it included; a signal does not end the wait early.
Readiness WaitFor(SocketHandle socket, bool writable, int timeoutMs);

}  // namespace km62rx::device::sockets
