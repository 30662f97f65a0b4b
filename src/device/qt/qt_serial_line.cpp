#include "device/qt/qt_serial_line.h"

#include "device/port_path.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSocketNotifier>
#include <limits>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace km62rx::device {

namespace {

QSerialPort::Parity ToQtParity(std::uint8_t parity) {
  switch (parity) {
    case kParityOdd:
      return QSerialPort::OddParity;
    case kParityEven:
      return QSerialPort::EvenParity;
    default:
      return QSerialPort::NoParity;
  }
}

QSerialPort::StopBits ToQtStopBits(std::uint8_t stopBits) {
  switch (stopBits) {
    case kTwoStopBits:
      return QSerialPort::TwoStop;
    case 1:
      return QSerialPort::OneAndHalfStop;
    default:
      return QSerialPort::OneStop;
  }
}

QSerialPort::DataBits ToQtDataBits(std::uint8_t dataBits) {
  switch (dataBits) {
    case 5:
      return QSerialPort::Data5;
    case 6:
      return QSerialPort::Data6;
    case 7:
      return QSerialPort::Data7;
    default:
      return QSerialPort::Data8;
  }
}

long ClampToLong(qint64 n) {
  return n > std::numeric_limits<long>::max() ? std::numeric_limits<long>::max()
                                              : static_cast<long>(n);
}

}  // namespace

QtSerialLine::QtSerialLine(int writeTimeoutMs) : writeTimeoutMs_(writeTimeoutMs) {
  // A port whose device is gone reports a resource error (a read on it
  // fails for good); the port must then be closed, or its read notifier
  // keeps waking the program.
  QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                   [this](QSerialPort::SerialPortError error) {
                     if (error == QSerialPort::ResourceError && port_.isOpen())
                       QueueLoss();
                   });
}

QtSerialLine::~QtSerialLine() {
  Close();
}

void QtSerialLine::WatchForHangUp() {
#ifdef Q_OS_UNIX
  const auto fd = static_cast<qintptr>(port_.handle());
  if (fd < 0)
    return;
  // An exception notifier: the port's own read notifier is QSerialPort's,
  // and a hang-up wakes both kinds.
  hangUpWatch_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Exception);
  QObject::connect(hangUpWatch_.get(), &QSocketNotifier::activated, &port_, [this, fd] {
    pollfd probe{static_cast<int>(fd), POLLIN, 0};
    if (::poll(&probe, 1, 0) == 1 && (probe.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
      hangUpWatch_->setEnabled(false);
      QueueLoss();
    }
  });
#endif
}

bool QtSerialLine::Open(const std::string& portName, const LineSettings& settings) {
  Close();
  openFailure_ = OpenFailure::kUnknown;
  QString name = QString::fromStdString(portName);
  if (name.isEmpty())
    return false;
#ifdef Q_OS_UNIX
  // The path the name stands for is watched: when an adapter is pulled, its
  // device and the links to it go away together, and a link left dangling
  // reads as gone.
  deviceNode_ = QString::fromStdString(DevicePath(portName));
  // A link such as /dev/serial/by-id/... or ./sim_a opens the device it
  // points at, by that device's own path: the port's lock file is then the
  // one every other program uses for it.
  name = QString::fromStdString(PortIdentity(portName));
#endif
  // QSerialPort takes either a port name as discovery lists it (COM3) or a
  // device path.
  port_.setPortName(name);
  port_.clearError();
  lossNotice_.Opened();
  if (!port_.open(QIODevice::ReadWrite)) {
    openFailure_ = ClassifyOpenError(port_.error());
    port_.clearError();
    return false;
  }
  WatchForHangUp();
  // The results of the line settings are not checked: on a pseudo-terminal
  // flow control and the modem lines are not real and may be refused; a line
  // that really cannot be set shows up as a failed identification instead.
  port_.setBaudRate(static_cast<qint32>(settings.baudRate));
  port_.setDataBits(ToQtDataBits(settings.dataBits));
  port_.setParity(ToQtParity(settings.parity));
  port_.setStopBits(ToQtStopBits(settings.stopBits));
  port_.setFlowControl(settings.xonXoff ? QSerialPort::SoftwareControl
                                        : QSerialPort::HardwareControl);
  // With software flow control RTS is held low, as the logger expects; a
  // line without RTS (a pseudo-terminal) refuses this, which is no fault.
  if (settings.xonXoff)
    port_.setRequestToSend(false);
  port_.clearError();
  return true;
}

OpenFailure QtSerialLine::ClassifyOpenError(QSerialPort::SerialPortError error) const {
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return OpenFailure::kNotFound;
    case QSerialPort::PermissionError:
#ifdef Q_OS_UNIX
      // QSerialPort reports a device this user may not open, a port another
      // program holds (its lock file, or the device busy) alike; the access
      // rights of the device node tell them apart.
      if (!QFileInfo::exists(deviceNode_))
        return OpenFailure::kNotFound;
      if (::access(deviceNode_.toLocal8Bit().constData(), R_OK | W_OK) != 0 && errno == EACCES)
        return OpenFailure::kPermissionDenied;
      return OpenFailure::kBusy;
#else
      // Windows opens a COM port for one program at a time and refuses the
      // next one access.
      return OpenFailure::kBusy;
#endif
    default:
      return OpenFailure::kUnknown;
  }
}

bool QtSerialLine::IsOpen() const {
  return port_.isOpen();
}

void QtSerialLine::Close() {
  hangUpWatch_.reset();
  if (port_.isOpen())
    port_.close();
  port_.clearError();
}

bool QtSerialLine::TakeFailure() {
  const QSerialPort::SerialPortError error = port_.error();
  port_.clearError();
  return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
}

bool QtSerialLine::DeviceVanished() const {
#ifdef Q_OS_UNIX
  return !deviceNode_.isEmpty() && !QFileInfo::exists(deviceNode_);
#else
  return false;
#endif
}

long QtSerialLine::BytesWaiting() {
  if (!port_.isOpen() || DeviceVanished())
    return -1;
  port_.clearError();
  // Pull in whatever the driver holds now, without waiting.
  port_.waitForReadyRead(0);
  if (TakeFailure())
    return -1;
  return ClampToLong(port_.bytesAvailable());
}

long QtSerialLine::Read(char* buffer, std::size_t maxBytes) {
  if (!port_.isOpen())
    return -1;
  port_.clearError();
  const qint64 got = port_.read(buffer, static_cast<qint64>(maxBytes));
  if (got < 0 || TakeFailure())
    return -1;
  return ClampToLong(got);
}

long QtSerialLine::Write(const char* data, std::size_t size) {
  if (!port_.isOpen())
    return -1;
  port_.clearError();
  const qint64 queued = port_.write(data, static_cast<qint64>(size));
  if (queued < 0 || TakeFailure())
    return -1;
  // write() only queues: push the bytes out now, within the write time-out.
  QDeadlineTimer deadline(writeTimeoutMs_);
  while (port_.bytesToWrite() > 0 && !deadline.hasExpired()) {
    if (!port_.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
      break;
  }
  const bool failed = TakeFailure();
  const qint64 pending = port_.bytesToWrite();
  if (pending > 0) {
    // Whatever did not go out must not trail into a later command.
    port_.clear(QSerialPort::Output);
    port_.clearError();
  }
  if (failed && pending == queued)
    return -1;
  return ClampToLong(queued - pending);
}

void QtSerialLine::WatchForLoss(std::function<void()> lost) {
  lossNotice_.Watch(std::move(lost));
}

void QtSerialLine::QueueLoss() {
  lossNotice_.Queue([this] { return port_.isOpen(); }, [this] { Close(); });
}

bool QtSerialLine::WaitForInput(int timeoutMs) {
  if (!port_.isOpen() || DeviceVanished())
    return false;
  if (port_.bytesAvailable() > 0)
    return true;
  port_.clearError();
  const bool arrived = port_.waitForReadyRead(timeoutMs < 0 ? 0 : timeoutMs);
  TakeFailure();
  return arrived || port_.bytesAvailable() > 0;
}

}  // namespace km62rx::device
