#include "device/sockets/socket_address.h"

#include <cstring>

namespace km62rx::device::sockets {

std::optional<SocketAddress> NumericSocketAddress(const std::string& address, std::uint16_t port) {
  if (!StartSockets())
    return std::nullopt;
  addrinfo hints{};
  hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(address.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
    return std::nullopt;
  std::optional<SocketAddress> socketAddress;
  if (found != nullptr && found->ai_addrlen <= sizeof(sockaddr_storage)) {
    socketAddress.emplace();
    std::memcpy(&socketAddress->storage, found->ai_addr, found->ai_addrlen);
    socketAddress->size = static_cast<int>(found->ai_addrlen);
  }
  freeaddrinfo(found);
  return socketAddress;
}

std::string AddressText(const sockaddr* address, int size) {
  char text[NI_MAXHOST] = {};
  if (getnameinfo(address, static_cast<socklen_t>(size), text, sizeof text, nullptr, 0,
                  NI_NUMERICHOST) != 0)
    return {};
  return text;
}

}  // namespace km62rx::device::sockets
