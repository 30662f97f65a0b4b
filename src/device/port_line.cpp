#include "device/port_line.h"

namespace km62rx::device {

PortLine::PortLine(LineMaker makeLine) : makeLine_(std::move(makeLine)) {}

bool PortLine::Open(const std::string& portName, const LineSettings& settings) {
  // The old backend goes first: only one port is ever open.
  line_.reset();
  line_ = makeLine_(portName);
  if (!line_)
    return false;
  return line_->Open(portName, settings);
}

OpenFailure PortLine::LastOpenFailure() const {
  return line_ ? line_->LastOpenFailure() : OpenFailure::kUnknown;
}

bool PortLine::IsOpen() const {
  return line_ && line_->IsOpen();
}

void PortLine::Close() {
  if (line_)
    line_->Close();
}

long PortLine::BytesWaiting() {
  return line_ ? line_->BytesWaiting() : -1;
}

long PortLine::Read(char* buffer, std::size_t maxBytes) {
  return line_ ? line_->Read(buffer, maxBytes) : -1;
}

long PortLine::Write(const char* data, std::size_t size) {
  return line_ ? line_->Write(data, size) : -1;
}

bool PortLine::WaitForInput(int timeoutMs) {
  return line_ && line_->WaitForInput(timeoutMs);
}

int PortLine::LossDescriptor() const {
  return line_ ? line_->LossDescriptor() : -1;
}

bool PortLine::CheckForLoss() {
  return line_ && line_->CheckForLoss();
}

}  // namespace km62rx::device
