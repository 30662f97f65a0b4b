#ifndef _WIN32

#include "device/sockets/socket_calls.h"

#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace km62rx::device::sockets {

bool StartSockets() {
  return true;
}

SocketHandle OpenTcpSocket(int family) {
  return ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
}

void CloseSocket(SocketHandle socket) {
  ::close(socket);
}

void ShutDownSocket(SocketHandle socket) {
  ::shutdown(socket, SHUT_RDWR);
}

void SendAtOnce(SocketHandle socket) {
  const int on = 1;
  ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

int StartConnect(SocketHandle socket, const sockaddr* address, int size) {
  return ::connect(socket, address, static_cast<socklen_t>(size)) == 0 ? 0 : errno;
}

int ConnectError(SocketHandle socket) {
  int error = 0;
  socklen_t size = sizeof error;
  if (::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
    return errno;
  return error;
}

long BytesQueued(SocketHandle socket) {
  int queued = 0;
  return ::ioctl(socket, FIONREAD, &queued) == 0 ? queued : -1;
}

long Receive(SocketHandle socket, char* buffer, std::size_t size, bool peek) {
  return static_cast<long>(::recv(socket, buffer, size, peek ? MSG_PEEK : 0));
}

long Send(SocketHandle socket, const char* data, std::size_t size) {
  return static_cast<long>(::send(socket, data, size, MSG_NOSIGNAL));
}

int LastSocketError() {
  return errno;
}

ErrorKind KindOf(int error) {
  switch (error) {
    case EAGAIN:
#if EWOULDBLOCK != EAGAIN
    case EWOULDBLOCK:
#endif
    case EINPROGRESS:
      return ErrorKind::kWouldBlock;
    case EINTR:
      return ErrorKind::kInterrupted;
    case ECONNREFUSED:
      return ErrorKind::kRefused;
    case ETIMEDOUT:
      return ErrorKind::kTimedOut;
    default:
      return ErrorKind::kOther;
  }
}

Readiness WaitFor(SocketHandle socket, bool writable, int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd entry{socket, static_cast<short>(writable ? POLLOUT : POLLIN), 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(left < 0 ? 0 : left));
    if (ready > 0)
      return Readiness::kReady;
    if (ready == 0)
      return Readiness::kTimedOut;
    if (errno != EINTR)
      return Readiness::kFailed;
  }
}

}  // namespace km62rx::device::sockets

#endif  // _WIN32
