#pragma once

#include <memory>
#include <string>

#include "device/serial_line.h"

namespace km62rx::device {

// A serial line that passes every call on to a line it owns. The windows'
// watches for a lost logger derive from it and add to the calls they need.
class ForwardingLine : public SerialLine {
 public:
  explicit ForwardingLine(std::unique_ptr<SerialLine> line) : line_(std::move(line)) {}

  bool Open(const std::string& portName, const LineSettings& settings) override {
    return line_->Open(portName, settings);
  }
  OpenFailure LastOpenFailure() const override { return line_->LastOpenFailure(); }
  bool IsOpen() const override { return line_->IsOpen(); }
  void Close() override { line_->Close(); }
  long BytesWaiting() override { return line_->BytesWaiting(); }
  long Read(char* buffer, std::size_t maxBytes) override { return line_->Read(buffer, maxBytes); }
  long Write(const char* data, std::size_t size) override { return line_->Write(data, size); }
  bool WaitForInput(int timeoutMs) override { return line_->WaitForInput(timeoutMs); }
  int LossDescriptor() const override { return line_->LossDescriptor(); }
  bool CheckForLoss() override { return line_->CheckForLoss(); }

 private:
  std::unique_ptr<SerialLine> line_;
};

}  // namespace km62rx::device
