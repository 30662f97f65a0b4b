#include "device/posix/terminal_settings.h"

#include <sys/ioctl.h>
#include <termios.h>

#include <array>
#include <cerrno>
#include <utility>

namespace km62rx::device {

namespace {

// The rates the connect dialog offers, and 57600 between them.
constexpr std::array<std::pair<std::uint32_t, speed_t>, 9> kSpeeds{{
    {600, B600},
    {1200, B1200},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
}};

// B0 (hang up) stands for a rate that has no speed.
speed_t SpeedFor(std::uint32_t baudRate) {
  for (const auto& [rate, speed] : kSpeeds) {
    if (rate == baudRate)
      return speed;
  }
  return B0;
}

tcflag_t DataBitsFlag(std::uint8_t dataBits) {
  switch (dataBits) {
    case 5:
      return CS5;
    case 6:
      return CS6;
    case 7:
      return CS7;
    default:
      return CS8;
  }
}

// Raises (TIOCMBIS) or lowers (TIOCMBIC) a modem line. A terminal that has
// no modem lines answers ENOTTY or EINVAL, which is no fault.
bool SetModemLine(int fd, unsigned long request, int line) {
  return ::ioctl(fd, request, &line) == 0 || errno == ENOTTY || errno == EINVAL;
}

}  // namespace

bool ConfigureTerminal(int fd, const LineSettings& settings) {
  const speed_t speed = SpeedFor(settings.baudRate);
  termios tio{};
  if (speed == B0 || ::tcgetattr(fd, &tio) != 0)
    return false;
  ::cfmakeraw(&tio);
  tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  tio.c_cflag |= CLOCAL | CREAD | DataBitsFlag(settings.dataBits);
  if (settings.parity != kParityNone)
    tio.c_cflag |= settings.parity == kParityOdd ? PARENB | PARODD : PARENB;
  if (settings.stopBits == kTwoStopBits)
    tio.c_cflag |= CSTOPB;
  tio.c_iflag &= ~(INPCK | IXON | IXOFF | IXANY);
  if (settings.parityCheck != 0 && settings.parity != kParityNone)
    tio.c_iflag |= INPCK;
  if (settings.xonXoff != 0) {
    tio.c_iflag |= IXON | IXOFF;
  } else {
    tio.c_cflag |= CRTSCTS;
  }
  // A read returns as soon as one byte is there (and at once, the port
  // being non-blocking).
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
  if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0 ||
      ::tcsetattr(fd, TCSANOW, &tio) != 0)
    return false;
  if (!SetModemLine(fd, TIOCMBIS, TIOCM_DTR))
    return false;
  return settings.xonXoff == 0 || SetModemLine(fd, TIOCMBIC, TIOCM_RTS);
}

}  // namespace km62rx::device
