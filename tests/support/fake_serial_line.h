#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "device/serial_line.h"

namespace km62rx::testing {

// A serial line driven by a script. Each write takes the next scripted answer (or asks the
// responder, or stays silent): chunks, each readable a given time after the write. The line can
// misbehave as drivers do: short reads, phantom bytes, partial writes, or vanishing.
class FakeSerialLine : public device::SerialLine {
 public:
  using Clock = std::chrono::steady_clock;

  struct Chunk {
    int afterMs = 0;  // after the write
    std::string bytes;
  };
  using Answer = std::vector<Chunk>;

  // Queues the answer to the next write that has no answer yet.
  FakeSerialLine& Then(Answer answer) {
    script_.push_back(std::move(answer));
    return *this;
  }
  // Answers writes that have no scripted answer.
  std::function<Answer(std::string_view line)> responder;

  // Bytes readable at once, before anything is written (noise, a late reply).
  void QueueNow(std::string bytes) { incoming_.push_back({Clock::now(), std::move(bytes)}); }

  bool openSucceeds = true;
  std::size_t maxReadSize = 0;  // 0: a read delivers all it is asked for
  long phantomBytes = 0;        // reported as waiting but never delivered
  long writeLimit = -1;         // a write takes at most this many bytes; -1: all
  int vanishAfterWrites = -1;   // the port disappears right after this many writes
  int vanishAfterReads = -1;    // ... or after this many reads that delivered bytes

  std::vector<std::string> written;  // what happened: every write, as given
  std::vector<std::string> openedNames;
  std::vector<device::LineSettings> openedSettings;
  std::vector<Clock::time_point> openTimes;
  std::vector<Clock::time_point> closeTimes;
  int closeCount = 0;
  bool vanished = false;

  bool Open(const std::string& portName, const device::LineSettings& settings) override;
  bool IsOpen() const override { return open_; }
  void Close() override;
  long BytesWaiting() override;
  long Read(char* buffer, std::size_t maxBytes) override;
  long Write(const char* data, std::size_t size) override;
  bool WaitForInput(int timeoutMs) override;

 private:
  struct Timed {
    Clock::time_point readyAt;
    std::string bytes;
  };
  std::size_t ReadyBytes(Clock::time_point now) const;

  bool open_ = false;
  std::deque<Answer> script_;
  std::deque<Timed> incoming_;  // in order of readiness
  int deliveredReads_ = 0;
};

}  // namespace km62rx::testing
