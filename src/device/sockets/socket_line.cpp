#include "device/sockets/socket_line.h"

#include <algorithm>
#include <array>
#include <climits>

#include "device/sockets/socket_address.h"
#include "device/sockets/socket_calls.h"

namespace km62rx::device {

using namespace sockets;

namespace {

using SteadyClock = std::chrono::steady_clock;

// How long a new connection is watched for the server closing it again.
constexpr auto kBusyCheck = std::chrono::milliseconds(100);

// The milliseconds until the deadline, none when it has passed.
int MsLeft(SteadyClock::time_point deadline) {
  const auto left =
      std::chrono::ceil<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
  return static_cast<int>(std::clamp<long long>(left, 0, INT_MAX));
}

OpenFailure ConnectFailure(int error) {
  switch (KindOf(error)) {
    case ErrorKind::kRefused:
      return OpenFailure::kRefused;
    case ErrorKind::kTimedOut:
      return OpenFailure::kTimedOut;
    default:
      return OpenFailure::kUnknown;
  }
}

}  // namespace

SocketLine::SocketLine(int connectBudgetMs, int writeTimeoutMs, HostResolver resolve)
    : connectBudgetMs_(connectBudgetMs),
      writeTimeoutMs_(writeTimeoutMs),
      resolve_(std::move(resolve)) {}

SocketLine::~SocketLine() {
  Close();
}

bool SocketLine::Open(const std::string& portName, const LineSettings& settings) {
  (void)settings;  // the server's
  Close();
  openFailure_ = OpenFailure::kUnknown;
  const std::optional<NetworkAddress> address = ParseNetworkPortName(portName);
  if (!address) {
    openFailure_ = OpenFailure::kBadAddress;
    return false;
  }
  if (!StartSockets() || !Connect(*address))
    return false;
  // ser2net answers a client beyond the one it serves with "Port already in
  // use" and closes the connection at once, while a logger never speaks
  // first: a connection closed straight away is a port another program has.
  if (ClosedAtOnce()) {
    openFailure_ = OpenFailure::kBusy;
    Close();
    return false;
  }
  return true;
}

bool SocketLine::Connect(const NetworkAddress& address) {
  const Deadline deadline = SteadyClock::now() + std::chrono::milliseconds(connectBudgetMs_);
  const HostLookup lookup = LookUpBefore(address.host, deadline, resolve_);
  switch (lookup.result) {
    case LookupResult::kFound:
      break;
    case LookupResult::kUnknownHost:
      openFailure_ = OpenFailure::kUnknownHost;
      return false;
    case LookupResult::kTimedOut:
      openFailure_ = OpenFailure::kTimedOut;
      return false;
    case LookupResult::kFailed:
      openFailure_ = OpenFailure::kUnknown;
      return false;
  }
  if (lookup.addresses.empty()) {
    openFailure_ = OpenFailure::kUnknownHost;
    return false;
  }
  // Each address in turn (a name may stand for an IPv6 and an IPv4 address,
  // and the server may listen on only one of them); the reason told is the
  // last address's.
  for (const std::string& host : lookup.addresses) {
    if (SteadyClock::now() >= deadline) {
      openFailure_ = OpenFailure::kTimedOut;
      return false;
    }
    if (ConnectTo(host, address.port, deadline))
      return true;
  }
  return false;
}

bool SocketLine::ConnectTo(const std::string& address, std::uint16_t port, Deadline deadline) {
  openFailure_ = OpenFailure::kUnknown;
  const std::optional<SocketAddress> target = NumericSocketAddress(address, port);
  if (!target)
    return false;
  // The sockets API knows no proxy: a serial line is always reached directly.
  const SocketHandle socket = OpenTcpSocket(target->family());
  if (socket == kNoSocket)
    return false;
  // Commands are short and each waits for its reply: send each at once.
  SendAtOnce(socket);
  int error = StartConnect(socket, target->get(), target->size);
  if (KindOf(error) == ErrorKind::kWouldBlock) {
    switch (WaitFor(socket, true, MsLeft(deadline))) {
      case Readiness::kReady:
        error = ConnectError(socket);
        break;
      case Readiness::kTimedOut:
        openFailure_ = OpenFailure::kTimedOut;
        CloseSocket(socket);
        return false;
      case Readiness::kFailed:
        CloseSocket(socket);
        return false;
    }
  }
  if (error != 0) {
    openFailure_ = ConnectFailure(error);
    CloseSocket(socket);
    return false;
  }
  socket_ = socket;
  state_ = State::kConnected;
  return true;
}

bool SocketLine::ClosedAtOnce() {
  const Deadline deadline = SteadyClock::now() + kBusyCheck;
  while (state_ == State::kConnected) {
    const int left = MsLeft(deadline);
    if (left == 0 || WaitFor(socket_, false, left) != Readiness::kReady)
      return false;
    DropQueuedInput();  // ser2net's notice, before it closes
  }
  return true;
}

void SocketLine::Close() {
  if (!IsOpen())
    return;
  CloseSocket(socket_);
  socket_ = kNoSocket;
  state_ = State::kConnected;
}

void SocketLine::Break() {
  // Shut down rather than closed, so that the socket is still there for a
  // watcher of LossDescriptor, which sees it hang up.
  ShutDownSocket(socket_);
  state_ = State::kBroken;
}

bool SocketLine::PeerGone() {
  if (state_ != State::kConnected)
    return true;
  char byte = 0;
  const long got = Receive(socket_, &byte, 1, true);
  if (got == 0) {
    state_ = State::kPeerClosed;
  } else if (got < 0) {
    const ErrorKind kind = KindOf(LastSocketError());
    if (kind != ErrorKind::kWouldBlock && kind != ErrorKind::kInterrupted)
      Break();
  }
  return state_ != State::kConnected;
}

void SocketLine::DropQueuedInput() {
  std::array<char, 256> scratch{};
  long queued = BytesQueued(socket_);
  // Only what is queued now: input that keeps coming cannot hold the caller.
  while (queued > 0 && state_ == State::kConnected) {
    const long got =
        Receive(socket_, scratch.data(),
                std::min<std::size_t>(static_cast<std::size_t>(queued), scratch.size()), false);
    if (got <= 0)
      break;
    queued -= got;
  }
  if (queued < 0)
    Break();
  PeerGone();
}

long SocketLine::BytesWaiting() {
  if (!IsOpen() || state_ == State::kBroken)
    return -1;
  const long queued = BytesQueued(socket_);
  if (queued < 0) {
    Break();
    return -1;
  }
  // What the peer sent before it closed is still read; after that the port
  // is gone.
  if (queued == 0 && PeerGone())
    return -1;
  return queued;
}

long SocketLine::Read(char* buffer, std::size_t maxBytes) {
  if (!IsOpen() || state_ == State::kBroken)
    return -1;
  if (maxBytes == 0)
    return 0;
  const long got = Receive(socket_, buffer, maxBytes, false);
  if (got > 0)
    return got;
  if (got == 0) {
    state_ = State::kPeerClosed;
    return -1;  // all read, and the peer is gone
  }
  const ErrorKind kind = KindOf(LastSocketError());
  if (kind == ErrorKind::kWouldBlock || kind == ErrorKind::kInterrupted)
    return 0;
  Break();
  return -1;
}

long SocketLine::Write(const char* data, std::size_t size) {
  if (!IsOpen() || state_ != State::kConnected)
    return -1;
  const Deadline deadline = SteadyClock::now() + std::chrono::milliseconds(writeTimeoutMs_);
  std::size_t sent = 0;
  while (sent < size) {
    const long n = Send(socket_, data + sent, size - sent);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
      continue;
    }
    const ErrorKind kind = n < 0 ? KindOf(LastSocketError()) : ErrorKind::kOther;
    if (kind == ErrorKind::kInterrupted)
      continue;
    const int left = MsLeft(deadline);
    if (kind != ErrorKind::kWouldBlock || left == 0 ||
        WaitFor(socket_, true, left) != Readiness::kReady)
      break;
  }
  if (sent < size) {
    // Whatever did not go out must not trail into a later command, and a
    // socket cannot take back what it was given: the connection is given up.
    Break();
    return -1;
  }
  return static_cast<long>(std::min<std::size_t>(size, LONG_MAX));
}

bool SocketLine::WaitForInput(int timeoutMs) {
  if (!IsOpen() || state_ == State::kBroken)
    return false;
  const Deadline deadline = SteadyClock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
  for (;;) {
    const long queued = BytesWaiting();
    if (queued != 0)
      return queued > 0;
    const int left = MsLeft(deadline);
    if (left == 0 || WaitFor(socket_, false, left) != Readiness::kReady)
      return false;
  }
}

int SocketLine::LossDescriptor() const {
  return IsOpen() ? static_cast<int>(socket_) : -1;
}

bool SocketLine::CheckForLoss() {
  if (!IsOpen())
    return false;
  if (state_ == State::kConnected)
    DropQueuedInput();
  if (state_ == State::kConnected)
    return false;
  Close();
  return true;
}

}  // namespace km62rx::device
