#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "device/sockets/socket_calls.h"

namespace km62rx::device::sockets {

// An IPv4 or IPv6 socket address, as connect takes it.
struct SocketAddress {
  sockaddr_storage storage{};
  int size = 0;

  int family() const { return storage.ss_family; }
  const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&storage); }
};

// The socket address of an IPv4 or IPv6 address written as text (an IPv6
// one may carry a zone, as fe80::1%eth0 does) and a TCP port; nothing when
// the text is not an address. Never asks a name server.
std::optional<SocketAddress> NumericSocketAddress(const std::string& address, std::uint16_t port);

// The address of a socket address as text ("192.168.1.20", "fe80::1%eth0");
// empty when it cannot be written.
std::string AddressText(const sockaddr* address, int size);

}  // namespace km62rx::device::sockets
