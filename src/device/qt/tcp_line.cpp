#include "device/qt/tcp_line.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkProxy>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace km62rx::device {

namespace {

// How long a new connection is watched for the server closing it again.
constexpr int kBusyCheckMs = 100;

long ClampToLong(qint64 n) {
  return n > std::numeric_limits<long>::max() ? std::numeric_limits<long>::max()
                                              : static_cast<long>(n);
}

// The addresses of host, or nothing when the lookup did not finish before
// the deadline. A host that is an address needs no lookup. The lookup runs
// on a thread of its own, so that a name server that does not answer cannot
// hold the caller past the deadline; such a lookup finishes unseen.
std::optional<QHostInfo> LookUpHost(const QString& host, QDeadlineTimer deadline) {
  QHostAddress literal;
  if (literal.setAddress(host)) {
    QHostInfo info;
    info.setAddresses({literal});
    return info;
  }
  struct Lookup {
    std::mutex mutex;
    std::condition_variable done;
    std::optional<QHostInfo> info;
  };
  auto lookup = std::make_shared<Lookup>();
  std::thread([lookup, host] {
    QHostInfo info = QHostInfo::fromName(host);
    const std::lock_guard lock(lookup->mutex);
    lookup->info = std::move(info);
    lookup->done.notify_all();
  }).detach();
  std::unique_lock lock(lookup->mutex);
  lookup->done.wait_for(lock, std::chrono::milliseconds(deadline.remainingTime()),
                        [&] { return lookup->info.has_value(); });
  return lookup->info;
}

}  // namespace

TcpLine::TcpLine(int connectBudgetMs, int writeTimeoutMs)
    : connectBudgetMs_(connectBudgetMs), writeTimeoutMs_(writeTimeoutMs) {}

TcpLine::~TcpLine() {
  Close();
}

bool TcpLine::Open(const std::string& portName, const LineSettings& settings) {
  (void)settings;  // the server's
  Close();
  openFailure_ = OpenFailure::kUnknown;
  const std::optional<NetworkAddress> address = ParseNetworkPortName(portName);
  if (!address) {
    openFailure_ = OpenFailure::kBadAddress;
    return false;
  }
  if (!Connect(*address)) {
    Close();
    return false;
  }
  // ser2net answers a client beyond the one it serves with "Port already in
  // use" and closes the connection at once, while a logger never speaks
  // first: a connection closed straight away is a port another program has.
  if (socket_->waitForDisconnected(kBusyCheckMs)) {
    openFailure_ = OpenFailure::kBusy;
    Close();
    return false;
  }
  // Commands are short and each waits for its reply: send each at once.
  socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  lossFd_ = ::fcntl(static_cast<int>(socket_->socketDescriptor()), F_DUPFD_CLOEXEC, 0);
  return true;
}

bool TcpLine::Connect(const NetworkAddress& address) {
  const QDeadlineTimer deadline(connectBudgetMs_);
  const std::optional<QHostInfo> info = LookUpHost(QString::fromStdString(address.host), deadline);
  if (!info) {
    openFailure_ = OpenFailure::kTimedOut;
    return false;
  }
  if (info->error() == QHostInfo::HostNotFound ||
      (info->error() == QHostInfo::NoError && info->addresses().isEmpty())) {
    openFailure_ = OpenFailure::kUnknownHost;
    return false;
  }
  // Each address in turn (a name may stand for an IPv6 and an IPv4
  // address, and the server may listen on only one of them); the reason
  // told is the last address's.
  for (const QHostAddress& host : info->addresses()) {
    if (deadline.hasExpired()) {
      openFailure_ = OpenFailure::kTimedOut;
      return false;
    }
    socket_ = std::make_unique<QTcpSocket>();
    // A serial line is never reached through a proxy.
    socket_->setProxy(QNetworkProxy::NoProxy);
    socket_->connectToHost(host, address.port);
    if (socket_->waitForConnected(static_cast<int>(std::max<qint64>(1, deadline.remainingTime()))))
      return true;
    switch (socket_->error()) {
      case QAbstractSocket::ConnectionRefusedError:
        openFailure_ = OpenFailure::kRefused;
        break;
      case QAbstractSocket::SocketTimeoutError:
        openFailure_ = OpenFailure::kTimedOut;
        break;
      default:
        openFailure_ = OpenFailure::kUnknown;
        break;
    }
    socket_->abort();
    socket_.reset();
  }
  return false;
}

bool TcpLine::IsOpen() const {
  return socket_ != nullptr;
}

void TcpLine::Close() {
  if (lossFd_ >= 0)
    ::close(lossFd_);
  lossFd_ = -1;
  if (!socket_)
    return;
  socket_->abort();
  socket_.reset();
}

bool TcpLine::PeerGone() const {
  return socket_->state() != QAbstractSocket::ConnectedState;
}

long TcpLine::BytesWaiting() {
  if (!socket_)
    return -1;
  // Pull in whatever the system holds now, without waiting.
  if (!PeerGone())
    socket_->waitForReadyRead(0);
  const qint64 waiting = socket_->bytesAvailable();
  // What the peer sent before it closed is still read; after that the port
  // is gone.
  if (waiting == 0 && PeerGone())
    return -1;
  return ClampToLong(waiting);
}

long TcpLine::Read(char* buffer, std::size_t maxBytes) {
  if (!socket_)
    return -1;
  const qint64 got = socket_->read(buffer, static_cast<qint64>(maxBytes));
  return got < 0 ? -1 : ClampToLong(got);
}

long TcpLine::Write(const char* data, std::size_t size) {
  if (!socket_ || PeerGone())
    return -1;
  const qint64 queued = socket_->write(data, static_cast<qint64>(size));
  if (queued < 0)
    return -1;
  // write() only queues: push the bytes out now, within the write time-out.
  const QDeadlineTimer deadline(writeTimeoutMs_);
  while (socket_->bytesToWrite() > 0 && !deadline.hasExpired() && !PeerGone()) {
    if (!socket_->waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
      break;
  }
  const qint64 pending = socket_->bytesToWrite();
  if (pending > 0) {
    // Whatever did not go out must not trail into a later command, and a
    // socket cannot take back what it queued: the connection is given up.
    socket_->abort();
    return -1;
  }
  return ClampToLong(queued);
}

bool TcpLine::WaitForInput(int timeoutMs) {
  if (!socket_)
    return false;
  if (socket_->bytesAvailable() > 0)
    return true;
  if (PeerGone())
    return false;
  socket_->waitForReadyRead(timeoutMs < 0 ? 0 : timeoutMs);
  return socket_->bytesAvailable() > 0;
}

bool TcpLine::CheckForLoss() {
  if (!socket_)
    return false;
  // Drop what came while nobody asked; reading it also meets the peer's end.
  if (!PeerGone())
    socket_->waitForReadyRead(0);
  socket_->readAll();
  char probe = 0;
  const bool peerClosed = lossFd_ >= 0 && ::recv(lossFd_, &probe, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
  if (!PeerGone() && !peerClosed)
    return false;
  Close();
  return true;
}

}  // namespace km62rx::device
