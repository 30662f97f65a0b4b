#pragma once

#include <cstdint>

namespace km62rx::device::sockets {

// A socket of the system: a descriptor on POSIX, a SOCKET on Windows (kept
// here as its integer type, so that this header needs no Winsock header).
#ifdef _WIN32
using SocketHandle = std::uintptr_t;
inline constexpr SocketHandle kNoSocket = ~SocketHandle{0};  // INVALID_SOCKET
#else
using SocketHandle = int;
inline constexpr SocketHandle kNoSocket = -1;
#endif

}  // namespace km62rx::device::sockets
