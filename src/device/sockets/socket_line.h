#pragma once

#include <chrono>
#include <string>

#include "device/network_port.h"
#include "device/serial_line.h"
#include "device/sockets/host_lookup.h"
#include "device/sockets/socket_handle.h"

namespace km62rx::device {

// A serial port shared over TCP by a serial-to-TCP server such as ser2net,
// named socket://HOST:PORT, reached through the system's sockets. The
// server's own configuration sets the baud rate, parity and flow control, so
// the line settings are not used. Every call blocks at most as long as it is
// asked to; a line belongs to one thread at a time, which needs no event loop.
class SocketLine : public SerialLine {
 public:
  // connectBudgetMs bounds the name lookup and the connect together;
  // writeTimeoutMs bounds a write that the peer does not take. resolve finds
  // the addresses of a host name (the system's lookup but in tests).
  explicit SocketLine(int connectBudgetMs = kNetworkConnectBudgetMs, int writeTimeoutMs = 1000,
                      sockets::HostResolver resolve = sockets::LookUpHost);
  ~SocketLine() override;
  SocketLine(const SocketLine&) = delete;
  SocketLine& operator=(const SocketLine&) = delete;

  bool Open(const std::string& portName, const LineSettings& settings) override;
  OpenFailure LastOpenFailure() const override { return openFailure_; }
  bool IsOpen() const override { return socket_ != sockets::kNoSocket; }
  void Close() override;
  long BytesWaiting() override;
  long Read(char* buffer, std::size_t maxBytes) override;
  long Write(const char* data, std::size_t size) override;
  bool WaitForInput(int timeoutMs) override;
  // The socket while a port is open (on Windows its SOCKET, which a front
  // end hands to WSAEventSelect).
  int LossDescriptor() const override;
  bool CheckForLoss() override;

 private:
  using Deadline = std::chrono::steady_clock::time_point;

  enum class State {
    kConnected,
    kPeerClosed,  // what the peer sent before it closed can still be read
    kBroken,      // nothing more comes or goes: an error, or given up by us
  };

  // Connects to the address within the budget: true with the socket open,
  // else false with the reason set.
  bool Connect(const NetworkAddress& address);
  // One address of the host: true connected, else false with the reason set.
  bool ConnectTo(const std::string& address, std::uint16_t port, Deadline deadline);
  // Whether the server closes the new connection within a moment.
  bool ClosedAtOnce();
  // Reads what is queued now and drops it; notices a close of the peer.
  void DropQueuedInput();
  // Looks, without reading, whether the peer has closed or the connection
  // failed; true when the line is no longer connected.
  bool PeerGone();
  // Gives the connection up: no call reads or writes on it any more.
  void Break();

  sockets::SocketHandle socket_ = sockets::kNoSocket;
  State state_ = State::kConnected;
  OpenFailure openFailure_ = OpenFailure::kUnknown;
  int connectBudgetMs_;
  int writeTimeoutMs_;
  sockets::HostResolver resolve_;
};

}  // namespace km62rx::device
