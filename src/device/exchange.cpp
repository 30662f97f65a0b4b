#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

#include "device/exchange.h"

namespace km62rx::device {

namespace {

using SteadyClock = std::chrono::steady_clock;

// Each read asks for at most this many bytes.
constexpr std::size_t kReadChunk = 100;
// The reply fails when no complete reply came within this many poll
// intervals.
constexpr int kPollLimit = 101;

// Discards what is queued before the command is written, so that line noise
// or a late reply never mixes into the next reply. Only the bytes waiting
// now are read. False when the port failed, or reported bytes that a read
// did not deliver.
bool DrainStaleInput(SerialLine& line) {
  long waiting = line.BytesWaiting();
  if (waiting < 0)
    return false;
  std::array<char, kReadChunk> scratch{};
  while (waiting > 0) {
    const std::size_t want = std::min<std::size_t>(static_cast<std::size_t>(waiting), kReadChunk);
    const long got = line.Read(scratch.data(), want);
    if (got <= 0)
      return false;
    waiting -= got;
  }
  return true;
}

enum class ReadResult { kOk, kFailed };

// Appends everything queued now to the reply. Fails when the port failed,
// when it reported bytes that a read did not deliver, or when the bytes
// would not fit the reply area with its terminating NUL.
ReadResult ReadQueued(SerialLine& line, Reply& reply) {
  constexpr std::size_t kRoom = Reply::kCapacity - 1;
  for (;;) {
    const long waiting = line.BytesWaiting();
    if (waiting < 0)
      return ReadResult::kFailed;
    if (waiting == 0)
      return ReadResult::kOk;
    if (reply.length >= kRoom)
      return ReadResult::kFailed;  // would overrun
    const std::size_t want = std::min<std::size_t>(
        {static_cast<std::size_t>(waiting), kReadChunk, kRoom - reply.length});
    const long got = line.Read(reply.bytes.data() + reply.length, want);
    if (got <= 0 || static_cast<std::size_t>(got) > want)
      return ReadResult::kFailed;
    reply.length += static_cast<std::size_t>(got);
  }
}

bool EndsWithCr(const Reply& reply) {
  return reply.length > 0 && reply.bytes[reply.length - 1] == '\r';
}

void TraceReceived(const DeviceLink& link, const Reply& reply) {
  if (link.trace && reply.length > 0)
    link.trace("<", reply.View());
}

}  // namespace

LinkResult ExchangeCommand(DeviceLink& link, std::string_view commandLine, Reply& reply) {
  reply.Clear();
  if (link.port == nullptr || !link.port->IsOpen())
    return LinkResult::kExchangeFailed;
  SerialLine& line = *link.port;

  if (!DrainStaleInput(line))
    return LinkResult::kExchangeFailed;

  if (link.trace)
    link.trace(">", commandLine);
  const long written = line.Write(commandLine.data(), commandLine.size());
  if (written <= 0 || static_cast<std::size_t>(written) != commandLine.size()) {
    return LinkResult::kExchangeFailed;  // nothing or only part of the line went out
  }

  // Poll until the newest byte is CR. Waiting for input wakes as soon as a
  // byte arrives; a round that brought nothing lasts a full interval, so the
  // loop cannot spin, and the whole wait is bounded by kPollLimit intervals.
  const auto interval = std::chrono::milliseconds(std::max(1, link.pollIntervalMs));
  const auto deadline = SteadyClock::now() + kPollLimit * interval;
  for (;;) {
    const auto roundStart = SteadyClock::now();
    if (roundStart >= deadline)
      break;
    const auto wait = std::min<SteadyClock::duration>(interval, deadline - roundStart);
    line.WaitForInput(static_cast<int>(
        std::max<long long>(1, std::chrono::ceil<std::chrono::milliseconds>(wait).count())));

    const std::size_t before = reply.length;
    if (ReadQueued(line, reply) == ReadResult::kFailed) {
      TraceReceived(link, reply);
      return LinkResult::kExchangeFailed;
    }
    if (EndsWithCr(reply)) {
      TraceReceived(link, reply);
      return LinkResult::kOk;
    }
    if (reply.length == before) {
      // Nothing arrived: sleep out the rest of this interval.
      const auto roundEnd = std::min(roundStart + interval, deadline);
      std::this_thread::sleep_until(roundEnd);
    }
  }
  TraceReceived(link, reply);
  return LinkResult::kExchangeFailed;
}

}  // namespace km62rx::device
