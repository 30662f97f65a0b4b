#pragma once

#include <string>

namespace km62rx::sim {

// A pseudo-terminal whose terminal side is the simulated serial port. Keeps
// a descriptor of the terminal side open itself, so a client that closes and
// reopens the port never leaves the controller side without a peer (which
// would make reads on it fail). POSIX only.
class PtyTerminal {
 public:
  PtyTerminal() = default;
  ~PtyTerminal();
  PtyTerminal(const PtyTerminal&) = delete;
  PtyTerminal& operator=(const PtyTerminal&) = delete;

  // Creates the pair and puts the terminal side in raw mode (no echo, no
  // line editing, no CR/LF translation, 8 data bits). False with a message
  // in error on failure.
  bool Open(std::string& error);
  // Closes both sides: a client of the terminal side then sees a hang-up.
  void Close();

  int controllerFd() const { return controller_; }
  int terminalFd() const { return terminal_; }
  // Device path of the terminal side, e.g. /dev/pts/7.
  const std::string& path() const { return path_; }
  // Bytes written to the controller side that the client has not read yet.
  int PendingForClient() const;

 private:
  int controller_ = -1;
  int terminal_ = -1;
  std::string path_;
};

}  // namespace km62rx::sim
