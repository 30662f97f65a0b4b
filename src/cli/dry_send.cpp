#include "cli/dry_send.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "cli/quiet_boxes.h"
#include "device/command_context.h"
#include "device/device_link.h"
#include "device/link_status.h"
#include "device/serial_line.h"
#include "device/settings_runs.h"

namespace km62rx::cli {
namespace {

// A line whose far end takes every set request: it answers each line with
// "OK" and the line after its mnemonic, as a logger echoes a set.
class TakingLine : public device::SerialLine {
 public:
  bool Open(const std::string&, const device::LineSettings&) override { return true; }
  bool IsOpen() const override { return true; }
  void Close() override {}
  long BytesWaiting() override { return static_cast<long>(reply_.size()); }
  long Read(char* buffer, std::size_t maxBytes) override {
    const std::size_t count = std::min(maxBytes, reply_.size());
    std::memcpy(buffer, reply_.data(), count);
    reply_.erase(0, count);
    return static_cast<long>(count);
  }
  long Write(const char* data, std::size_t size) override {
    const std::string_view line(data, size);
    reply_ = "OK" + std::string(line.substr(std::min<std::size_t>(3, size)));
    return static_cast<long>(size);
  }
  bool WaitForInput(int) override { return !reply_.empty(); }

 private:
  std::string reply_;
};

}  // namespace

std::vector<WireValue> ValuesASendWouldPut(ui::MemoryPageControls pages, int timestampSupported) {
  TakingLine line;
  device::DeviceLink link(line);
  link.connected = 1;
  link.sdState = 1;
  link.timestampSupported = timestampSupported;
  SilentBoxes boxes;
  device::ApplyControlAvailability(pages, link.connected, link.sdState, link.timestampSupported);
  device::CommandContext ctx{link, pages, boxes};
  WireValues wire;
  wire.Recording([](device::CommandContext& c, const device::RunProgress& progress) {
    return device::SendAllSettings(c, progress);
  })(ctx, {});
  return wire.sent();
}

}  // namespace km62rx::cli
