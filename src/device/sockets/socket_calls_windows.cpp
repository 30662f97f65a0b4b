#ifdef _WIN32

#include "device/sockets/socket_calls.h"

#include <climits>
#include <type_traits>

namespace km62rx::device::sockets {

static_assert(std::is_same_v<SocketHandle, SOCKET>);

namespace {

int ClampToInt(std::size_t size) {
  return size > INT_MAX ? INT_MAX : static_cast<int>(size);
}

}  // namespace

bool StartSockets() {
  // Once for the process; Winsock stays started until the process ends.
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return started;
}

SocketHandle OpenTcpSocket(int family) {
  DWORD flags = WSA_FLAG_OVERLAPPED;
#ifdef WSA_FLAG_NO_HANDLE_INHERIT
  flags |= WSA_FLAG_NO_HANDLE_INHERIT;
#endif
  const SOCKET socket = WSASocketW(family, SOCK_STREAM, IPPROTO_TCP, nullptr, 0, flags);
  u_long nonBlocking = 1;
  if (socket != INVALID_SOCKET && ioctlsocket(socket, FIONBIO, &nonBlocking) != 0) {
    closesocket(socket);
    return kNoSocket;
  }
  return socket;
}

void CloseSocket(SocketHandle socket) {
  closesocket(socket);
}

void ShutDownSocket(SocketHandle socket) {
  shutdown(socket, SD_BOTH);
}

void SendAtOnce(SocketHandle socket) {
  const BOOL on = TRUE;
  setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
}

int StartConnect(SocketHandle socket, const sockaddr* address, int size) {
  return connect(socket, address, size) == 0 ? 0 : WSAGetLastError();
}

int ConnectError(SocketHandle socket) {
  int error = 0;
  int size = sizeof error;
  if (getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0)
    return WSAGetLastError();
  return error;
}

long BytesQueued(SocketHandle socket) {
  u_long queued = 0;
  if (ioctlsocket(socket, FIONREAD, &queued) != 0)
    return -1;
  return queued > LONG_MAX ? LONG_MAX : static_cast<long>(queued);
}

long Receive(SocketHandle socket, char* buffer, std::size_t size, bool peek) {
  const int got = recv(socket, buffer, ClampToInt(size), peek ? MSG_PEEK : 0);
  return got == SOCKET_ERROR ? -1 : got;
}

long Send(SocketHandle socket, const char* data, std::size_t size) {
  const int sent = send(socket, data, ClampToInt(size), 0);
  return sent == SOCKET_ERROR ? -1 : sent;
}

int LastSocketError() {
  return WSAGetLastError();
}

ErrorKind KindOf(int error) {
  switch (error) {
    case WSAEWOULDBLOCK:
    case WSAEINPROGRESS:
      return ErrorKind::kWouldBlock;
    case WSAEINTR:
      return ErrorKind::kInterrupted;
    case WSAECONNREFUSED:
      return ErrorKind::kRefused;
    case WSAETIMEDOUT:
      return ErrorKind::kTimedOut;
    default:
      return ErrorKind::kOther;
  }
}

Readiness WaitFor(SocketHandle socket, bool writable, int timeoutMs) {
  // select, not WSAPoll: older Windows versions do not report a failed
  // connect through WSAPoll, and select tells it in the exception set.
  fd_set ready;
  fd_set failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(socket, &ready);
  FD_SET(socket, &failed);
  const int ms = timeoutMs < 0 ? 0 : timeoutMs;
  timeval timeout{ms / 1000, (ms % 1000) * 1000};
  const int count =
      select(0, writable ? nullptr : &ready, writable ? &ready : nullptr, &failed, &timeout);
  if (count > 0)
    return Readiness::kReady;
  return count == 0 ? Readiness::kTimedOut : Readiness::kFailed;
}

}  // namespace km62rx::device::sockets

#endif  // _WIN32
