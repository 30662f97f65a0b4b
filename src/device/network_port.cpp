#include "device/network_port.h"

#include <algorithm>
#include <charconv>

namespace km62rx::device {

namespace {

bool IsHostNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '-' || c == '_';
}

// The characters of an IPv6 address, with a zone such as %eth0 after it.
bool IsIpv6Char(char c) {
  return IsHostNameChar(c) || c == ':' || c == '%';
}

std::optional<std::uint16_t> ParseTcpPort(std::string_view text) {
  if (text.empty() || text.size() > 5 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  unsigned value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  if (value < 1 || value > 65535)
    return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

}  // namespace

bool IsNetworkPortName(std::string_view name) {
  return name.substr(0, kNetworkPortScheme.size()) == kNetworkPortScheme;
}

std::optional<NetworkAddress> ParseNetworkPortName(std::string_view name) {
  if (!IsNetworkPortName(name))
    return std::nullopt;
  const std::string_view rest = name.substr(kNetworkPortScheme.size());
  std::string_view host;
  std::string_view portText;
  if (!rest.empty() && rest.front() == '[') {
    const std::size_t close = rest.find(']');
    if (close == std::string_view::npos || rest.substr(close + 1, 1) != ":")
      return std::nullopt;
    host = rest.substr(1, close - 1);
    portText = rest.substr(close + 2);
    if (host.find(':') == std::string_view::npos ||
        !std::all_of(host.begin(), host.end(), IsIpv6Char))
      return std::nullopt;
  } else {
    // An IPv6 address without brackets cannot be told from its port.
    const std::size_t colon = rest.find(':');
    if (colon == std::string_view::npos || rest.find(':', colon + 1) != std::string_view::npos)
      return std::nullopt;
    host = rest.substr(0, colon);
    portText = rest.substr(colon + 1);
    if (!std::all_of(host.begin(), host.end(), IsHostNameChar))
      return std::nullopt;
  }
  const std::optional<std::uint16_t> port = ParseTcpPort(portText);
  if (host.empty() || !port)
    return std::nullopt;
  return NetworkAddress{std::string(host), *port};
}

}  // namespace km62rx::device
