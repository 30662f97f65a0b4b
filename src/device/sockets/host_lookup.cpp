#include "device/sockets/host_lookup.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "device/sockets/socket_address.h"

namespace km62rx::device::sockets {

namespace {

// What the lookup thread hands over. It is shared with the thread, so it
// outlives a caller that stopped waiting.
struct PendingLookup {
  std::mutex mutex;
  std::condition_variable done;
  std::optional<HostLookup> found;
};

bool NoSuchHost(int error) {
  switch (error) {
    case EAI_NONAME:
    case EAI_FAIL:
#ifdef EAI_NODATA  // glibc's and Winsock's "the name has no address"
    case EAI_NODATA:
#endif
      return true;
    default:
      return false;
  }
}

}  // namespace

HostLookup LookUpHost(const std::string& host) {
  if (!StartSockets())
    return {LookupResult::kFailed, {}};
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  addrinfo* found = nullptr;
  const int error = getaddrinfo(host.c_str(), nullptr, &hints, &found);
  if (error != 0)
    return {NoSuchHost(error) ? LookupResult::kUnknownHost : LookupResult::kFailed, {}};
  HostLookup lookup{LookupResult::kFound, {}};
  for (const addrinfo* entry = found; entry != nullptr; entry = entry->ai_next) {
    std::string text = AddressText(entry->ai_addr, static_cast<int>(entry->ai_addrlen));
    if (!text.empty() &&
        std::find(lookup.addresses.begin(), lookup.addresses.end(), text) == lookup.addresses.end())
      lookup.addresses.push_back(std::move(text));
  }
  freeaddrinfo(found);
  if (lookup.addresses.empty())
    lookup.result = LookupResult::kUnknownHost;
  return lookup;
}

HostLookup LookUpBefore(const std::string& host, std::chrono::steady_clock::time_point deadline,
                        const HostResolver& resolve) {
  if (NumericSocketAddress(host, 1))
    return {LookupResult::kFound, {host}};
  auto pending = std::make_shared<PendingLookup>();
  try {
    std::thread([pending, resolve, host] {
      HostLookup lookup = resolve(host);
      const std::lock_guard lock(pending->mutex);
      pending->found = std::move(lookup);
      pending->done.notify_all();
    }).detach();
  } catch (const std::system_error&) {
    return {LookupResult::kFailed, {}};  // no thread to be had
  }
  std::unique_lock lock(pending->mutex);
  if (!pending->done.wait_until(lock, deadline, [&] { return pending->found.has_value(); }))
    return {LookupResult::kTimedOut, {}};
  return std::move(*pending->found);
}

}  // namespace km62rx::device::sockets
