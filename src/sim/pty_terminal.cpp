#include "sim/pty_terminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace km62rx::sim {

namespace {

std::string Failure(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

bool MakeRaw(int fd, std::string& error) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) {
    error = Failure("tcgetattr");
    return false;
  }
  tio.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL |
                                        IXON | IXOFF | INPCK);
  tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
  tio.c_cflag |= CS8 | CREAD | CLOCAL;
  tio.c_cc[VMIN] = 1;
  tio.c_cc[VTIME] = 0;
  if (tcsetattr(fd, TCSANOW, &tio) != 0) {
    error = Failure("tcsetattr");
    return false;
  }
  return true;
}

}  // namespace

PtyTerminal::~PtyTerminal() {
  Close();
}

bool PtyTerminal::Open(std::string& error) {
  Close();
  controller_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (controller_ < 0) {
    error = Failure("posix_openpt");
    return false;
  }
  fcntl(controller_, F_SETFD, FD_CLOEXEC);
  if (grantpt(controller_) != 0 || unlockpt(controller_) != 0) {
    error = Failure("grantpt/unlockpt");
    Close();
    return false;
  }
  const char* name = ptsname(controller_);
  if (name == nullptr) {
    error = Failure("ptsname");
    Close();
    return false;
  }
  path_ = name;
  terminal_ = open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (terminal_ < 0) {
    error = Failure(("open " + path_).c_str());
    Close();
    return false;
  }
  if (!MakeRaw(terminal_, error)) {
    Close();
    return false;
  }
  return true;
}

void PtyTerminal::Close() {
  if (terminal_ >= 0)
    close(terminal_);
  if (controller_ >= 0)
    close(controller_);
  terminal_ = -1;
  controller_ = -1;
}

int PtyTerminal::PendingForClient() const {
  int pending = 0;
  if (terminal_ < 0 || ioctl(terminal_, FIONREAD, &pending) != 0)
    return 0;
  return pending;
}

}  // namespace km62rx::sim
