#include "device/posix/serial_line.h"

#include "device/port_path.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>

#include "device/posix/terminal_settings.h"

namespace km62rx::device {

namespace {

using SteadyClock = std::chrono::steady_clock;

OpenFailure OpenFailureFor(int error) {
  switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
      return OpenFailure::kNotFound;
    case EACCES:
    case EPERM:
      return OpenFailure::kPermissionDenied;
    case EBUSY:  // held exclusively by another program (TIOCEXCL)
      return OpenFailure::kBusy;
    default:
      return OpenFailure::kUnknown;
  }
}

// Errors by which a terminal says that its device is gone.
bool MeansGone(int error) {
  return error == EIO || error == ENXIO || error == ENODEV;
}

// Milliseconds from now until the deadline, for poll(); 0 once it passed.
int MillisecondsUntil(SteadyClock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - SteadyClock::now());
  return static_cast<int>(std::clamp<long long>(left.count(), 0, INT_MAX));
}

constexpr short kGoneEvents = POLLHUP | POLLERR | POLLNVAL;

}  // namespace

PosixSerialLine::PosixSerialLine(int writeTimeoutMs) : writeTimeoutMs_(writeTimeoutMs) {}

PosixSerialLine::~PosixSerialLine() {
  Close();
}

bool PosixSerialLine::Open(const std::string& portName, const LineSettings& settings) {
  Close();
  openFailure_ = OpenFailure::kUnknown;
  lost_ = false;
  if (portName.empty())
    return false;
  devicePath_ = DevicePath(portName);
  const int fd = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    openFailure_ = OpenFailureFor(errno);
    return false;
  }
  // Only one program may hold the port. TIOCEXCL refuses any later open of
  // the terminal with EBUSY, except by root; the lock refuses root as well,
  // and is taken first, so that a refused open changes nothing on the port.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    openFailure_ =
        errno == EWOULDBLOCK || errno == EBUSY ? OpenFailure::kBusy : OpenFailure::kUnknown;
    ::close(fd);
    return false;
  }
  if (::ioctl(fd, TIOCEXCL) != 0 || !ConfigureTerminal(fd, settings)) {
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
    return false;  // not a terminal, or one that refuses the settings
  }
  // Nothing received before the open belongs to this connection.
  ::tcflush(fd, TCIFLUSH);
  fd_ = fd;
  return true;
}

void PosixSerialLine::Close() {
  if (fd_ < 0)
    return;
  // The terminal may stay open elsewhere (a pseudo-terminal's other side
  // keeps it): it must not stay exclusive after us.
  ::ioctl(fd_, TIOCNXCL);
  ::close(fd_);  // releases the lock
  fd_ = -1;
  lost_ = false;
}

void PosixSerialLine::NoteFailure(int error) {
  if (MeansGone(error))
    lost_ = true;
}

bool PosixSerialLine::HungUp() const {
  pollfd probe{fd_, POLLIN, 0};
  return ::poll(&probe, 1, 0) == 1 && (probe.revents & kGoneEvents) != 0;
}

bool PosixSerialLine::Usable() {
  if (fd_ < 0 || lost_)
    return false;
  // A pulled adapter takes its node and the links to it away; a link left
  // dangling reads as gone too.
  struct stat node {};
  if (::stat(devicePath_.c_str(), &node) != 0 && (errno == ENOENT || errno == ENOTDIR))
    lost_ = true;
  return !lost_;
}

long PosixSerialLine::BytesWaiting() {
  if (!Usable())
    return -1;
  int waiting = 0;
  if (::ioctl(fd_, FIONREAD, &waiting) != 0) {
    lost_ = true;  // a hung-up terminal refuses every request
    return -1;
  }
  // What came before a hang-up is still read; after it the port is gone.
  if (waiting == 0 && HungUp()) {
    lost_ = true;
    return -1;
  }
  return waiting;
}

long PosixSerialLine::Read(char* buffer, std::size_t maxBytes) {
  if (fd_ < 0 || lost_)
    return -1;
  if (maxBytes == 0)
    return 0;
  maxBytes = std::min<std::size_t>(maxBytes, LONG_MAX);
  for (;;) {
    const ssize_t got = ::read(fd_, buffer, maxBytes);
    if (got > 0)
      return static_cast<long>(got);
    if (got == 0) {
      lost_ = true;  // end of file: the terminal was hung up
      return -1;
    }
    if (errno == EINTR)
      continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK)
      return 0;  // nothing there after all
    NoteFailure(errno);
    return -1;
  }
}

bool PosixSerialLine::WaitUntilWritable(SteadyClock::time_point deadline) {
  for (;;) {
    pollfd probe{fd_, POLLOUT, 0};
    const int ready = ::poll(&probe, 1, MillisecondsUntil(deadline));
    if (ready < 0 && errno == EINTR)
      continue;
    if (ready <= 0)
      return false;
    if ((probe.revents & kGoneEvents) != 0) {
      lost_ = true;
      return false;
    }
    return true;
  }
}

long PosixSerialLine::Write(const char* data, std::size_t size) {
  if (fd_ < 0 || lost_)
    return -1;
  size = std::min<std::size_t>(size, LONG_MAX);
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(writeTimeoutMs_);
  std::size_t done = 0;
  bool failed = false;
  // The bytes are handed to the driver, not waited out on the wire (a
  // drain has no time limit while flow control holds the line).
  while (done < size) {
    const ssize_t n = ::write(fd_, data + done, size - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n == 0 || errno == EAGAIN || errno == EWOULDBLOCK) {
      if (!WaitUntilWritable(deadline))  // the driver takes no more for now
        break;
    } else {
      NoteFailure(errno);
      failed = true;
      break;
    }
  }
  if (done < size) {
    // Whatever did not go out must not trail into a later command.
    ::tcflush(fd_, TCOFLUSH);
  }
  if ((failed || lost_) && done == 0)
    return -1;
  return static_cast<long>(done);
}

bool PosixSerialLine::WaitForInput(int timeoutMs) {
  const long waiting = BytesWaiting();
  if (waiting != 0)
    return waiting > 0;
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
  for (;;) {
    pollfd probe{fd_, POLLIN, 0};
    const int ready = ::poll(&probe, 1, MillisecondsUntil(deadline));
    if (ready < 0 && errno == EINTR)
      continue;
    if (ready <= 0)
      return false;
    // Readable, or hung up: BytesWaiting tells which.
    return BytesWaiting() > 0;
  }
}

bool PosixSerialLine::CheckForLoss() {
  if (fd_ < 0)
    return false;
  if (Usable()) {
    // Drop what came while nobody asked, as the next exchange would; a read
    // meets the end of a hung-up terminal.
    std::array<char, 256> scratch{};
    int rounds = 64;  // a chatty device cannot keep the check going
    while (rounds-- > 0 && Read(scratch.data(), scratch.size()) > 0)
      continue;
    if (!lost_ && HungUp())
      lost_ = true;
  }
  if (!lost_)
    return false;
  Close();
  return true;
}

}  // namespace km62rx::device
