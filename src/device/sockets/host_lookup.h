#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace km62rx::device::sockets {

enum class LookupResult {
  kFound,
  kUnknownHost,  // the name has no address
  kFailed,       // the lookup could not be made or gave up
  kTimedOut,     // no answer came in time
};

struct HostLookup {
  LookupResult result = LookupResult::kFailed;
  std::vector<std::string> addresses;  // as text, in the order to try them
};

// Finds the addresses of a host name.
using HostResolver = std::function<HostLookup(const std::string& host)>;

// Asks the system (its hosts file, its name servers) for the IPv4 and IPv6
// addresses of host. Takes as long as the system takes.
HostLookup LookUpHost(const std::string& host);

// The addresses of host, or kTimedOut when resolve has not found them by the
// deadline. An address stands for itself and needs no lookup. resolve runs on
// a thread of its own, so that a name server that does not answer cannot hold
// the caller past the deadline: such a lookup is left to finish unseen.
HostLookup LookUpBefore(const std::string& host, std::chrono::steady_clock::time_point deadline,
                        const HostResolver& resolve = LookUpHost);

}  // namespace km62rx::device::sockets
