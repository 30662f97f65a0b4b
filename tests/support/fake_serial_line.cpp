#include "fake_serial_line.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace km62rx::testing {

std::size_t FakeSerialLine::ReadyBytes(Clock::time_point now) const {
  std::size_t n = 0;
  for (const Timed& t : incoming_) {
    if (t.readyAt > now)
      break;
    n += t.bytes.size();
  }
  return n;
}

bool FakeSerialLine::Open(const std::string& portName, const device::LineSettings& settings) {
  openedNames.push_back(portName);
  openedSettings.push_back(settings);
  openTimes.push_back(Clock::now());
  if (!openSucceeds || open_)
    return false;
  open_ = true;
  vanished = false;
  return true;
}

void FakeSerialLine::Close() {
  ++closeCount;
  closeTimes.push_back(Clock::now());
  open_ = false;
}

long FakeSerialLine::BytesWaiting() {
  if (!open_ || vanished)
    return -1;
  return static_cast<long>(ReadyBytes(Clock::now())) + phantomBytes;
}

long FakeSerialLine::Read(char* buffer, std::size_t maxBytes) {
  if (!open_ || vanished)
    return -1;
  std::size_t want = maxBytes;
  if (maxReadSize > 0)
    want = std::min(want, maxReadSize);
  const auto now = Clock::now();
  std::size_t got = 0;
  while (got < want && !incoming_.empty() && incoming_.front().readyAt <= now) {
    std::string& front = incoming_.front().bytes;
    const std::size_t n = std::min(want - got, front.size());
    std::memcpy(buffer + got, front.data(), n);
    got += n;
    front.erase(0, n);
    if (front.empty())
      incoming_.pop_front();
  }
  if (got > 0 && vanishAfterReads >= 0 && ++deliveredReads_ >= vanishAfterReads)
    vanished = true;
  return static_cast<long>(got);
}

long FakeSerialLine::Write(const char* data, std::size_t size) {
  if (!open_ || vanished)
    return -1;
  const std::string& line = written.emplace_back(data, size);
  if (vanishAfterWrites >= 0 && static_cast<int>(written.size()) >= vanishAfterWrites)
    vanished = true;
  Answer answer;
  if (!script_.empty()) {
    answer = std::move(script_.front());
    script_.pop_front();
  } else if (responder) {
    answer = responder(line);
  }
  const auto now = Clock::now();
  for (Chunk& chunk : answer) {
    const auto readyAt = now + std::chrono::milliseconds(chunk.afterMs);
    // Keep the queue in order of readiness.
    auto pos = std::upper_bound(incoming_.begin(), incoming_.end(), readyAt,
                                [](Clock::time_point t, const Timed& x) { return t < x.readyAt; });
    incoming_.insert(pos, {readyAt, std::move(chunk.bytes)});
  }
  return writeLimit >= 0 ? std::min(writeLimit, static_cast<long>(size)) : static_cast<long>(size);
}

bool FakeSerialLine::WaitForInput(int timeoutMs) {
  if (!open_ || vanished)
    return false;
  const auto now = Clock::now();
  if (ReadyBytes(now) > 0)
    return true;
  auto until = now + std::chrono::milliseconds(std::max(0, timeoutMs));
  if (!incoming_.empty())
    until = std::min(until, incoming_.front().readyAt);
  std::this_thread::sleep_until(until);
  return ReadyBytes(Clock::now()) > 0;
}

}  // namespace km62rx::testing
