#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace km62rx::device {

// A serial port shared over the network by a serial-to-TCP server such as
// ser2net is named socket://HOST:PORT: a host name, an IPv4 address, or an
// IPv6 address in brackets (socket://[::1]:4001).
inline constexpr std::string_view kNetworkPortScheme = "socket://";

// How long looking up the host and connecting to it may take together.
inline constexpr int kNetworkConnectBudgetMs = 2000;

struct NetworkAddress {
  std::string host;  // a name or an address, without the brackets of IPv6
  std::uint16_t port = 0;
  friend bool operator==(const NetworkAddress&, const NetworkAddress&) = default;
};

// Whether the name is meant as a network port (it starts with socket://),
// well-formed or not.
bool IsNetworkPortName(std::string_view name);

// The host and TCP port of a network port name; nothing when the name is not
// socket://HOST:PORT with a port from 1 to 65535.
std::optional<NetworkAddress> ParseNetworkPortName(std::string_view name);

}  // namespace km62rx::device
