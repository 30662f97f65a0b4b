#pragma once

#include <functional>
#include <memory>
#include <string>

#include "device/serial_line.h"

namespace km62rx::device {

// Makes the line that can open the named port.
using LineMaker = std::function<std::unique_ptr<SerialLine>(const std::string& portName)>;

// A line whose backend is chosen anew by the port name at each Open, so that
// one window can reach a local serial port and a network one in turn. Until
// the first Open it is a closed line.
class PortLine : public SerialLine {
 public:
  explicit PortLine(LineMaker makeLine);

  bool Open(const std::string& portName, const LineSettings& settings) override;
  OpenFailure LastOpenFailure() const override;
  bool IsOpen() const override;
  void Close() override;
  long BytesWaiting() override;
  long Read(char* buffer, std::size_t maxBytes) override;
  long Write(const char* data, std::size_t size) override;
  bool WaitForInput(int timeoutMs) override;
  int LossDescriptor() const override;
  bool CheckForLoss() override;

 private:
  LineMaker makeLine_;
  std::unique_ptr<SerialLine> line_;
};

}  // namespace km62rx::device
