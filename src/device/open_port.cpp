#include <chrono>
#include <string_view>
#include <thread>

#include "device/open_port.h"

#include "device/connection.h"
#include "device/exchange.h"

namespace km62rx::device {

namespace {
constexpr std::string_view kIdentifyReply = "OKKM-62RX\r";
}  // namespace

LinkResult OpenDevicePort(DeviceLink& link, const std::string& portName,
                          const LineSettings& settings) {
  link.pollIntervalMs = 10;
  if (link.connected == 1) {
    // A reconnect: drop the old connection, then give the line a moment.
    CloseDeviceLink(link);
    std::this_thread::sleep_for(std::chrono::milliseconds(link.pollIntervalMs));
  } else if (link.port->IsOpen()) {
    // A port left open by an earlier failed attempt: there is only ever one
    // open port, so close it before opening again.
    link.port->Close();
  }
  if (!link.port->Open(portName, settings))
    return LinkResult::kPortNotOpened;

  // Wake the logger with a lone CR; whatever comes back (or nothing) is
  // ignored.
  Reply wake;
  ExchangeCommand(link, "\r", wake);

  Reply reply;
  const LinkResult result = ExchangeCommand(link, "DEA\r", reply);
  if (result != LinkResult::kOk)
    return result;
  if (reply.View().substr(0, kIdentifyReply.size()) != kIdentifyReply)
    return LinkResult::kNotKm62rx;

  link.connected = 1;
  link.sdState = 0;
  RefreshLinkStatus(link);
  return LinkResult::kOk;
}

}  // namespace km62rx::device
