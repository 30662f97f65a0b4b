#pragma once

#include <QTcpSocket>
#include <memory>
#include <string>

#include "device/network_port.h"
#include "device/serial_line.h"

namespace km62rx::device {

// A serial port shared over TCP by a serial-to-TCP server such as ser2net,
// named socket://HOST:PORT. The server's own configuration sets the baud
// rate, parity and flow control, so the line settings are not used. Used
// without an event loop, like the serial line: every call blocks at most as
// long as it is asked to. Works in any thread that has a Qt event
// dispatcher (the main thread, a QThread), whether or not it runs an event
// loop; the socket belongs to the thread that opened the line, which must
// also close it.
class TcpLine : public SerialLine {
 public:
  // connectBudgetMs bounds the name lookup and the connect together;
  // writeTimeoutMs bounds a write that the peer does not take.
  explicit TcpLine(int connectBudgetMs = kNetworkConnectBudgetMs, int writeTimeoutMs = 1000);
  ~TcpLine() override;

  bool Open(const std::string& portName, const LineSettings& settings) override;
  OpenFailure LastOpenFailure() const override { return openFailure_; }
  bool IsOpen() const override;
  void Close() override;
  long BytesWaiting() override;
  long Read(char* buffer, std::size_t maxBytes) override;
  long Write(const char* data, std::size_t size) override;
  bool WaitForInput(int timeoutMs) override;
  int LossDescriptor() const override { return lossFd_; }
  bool CheckForLoss() override;

 private:
  // Connects to the address within the budget: true with the socket
  // connected, else false with the reason set.
  bool Connect(const NetworkAddress& address);
  bool PeerGone() const;

  std::unique_ptr<QTcpSocket> socket_;  // while open
  OpenFailure openFailure_ = OpenFailure::kUnknown;
  int connectBudgetMs_;
  int writeTimeoutMs_;
  // A second descriptor of the connected socket, for the front end to
  // watch: QTcpSocket closes its own when it reads the peer's end in the
  // event loop, and a watched descriptor must stay open until Close.
  int lossFd_ = -1;
};

}  // namespace km62rx::device
