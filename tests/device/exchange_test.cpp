#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "device/device_link.h"
#include "device/exchange.h"
#include "device/link_errors.h"
#include "device/open_port.h"
#include "support/fake_serial_line.h"

namespace km62rx::device {
namespace {

using testing::FakeSerialLine;

// One command over a line that answers (chunks after the write) or
// misbehaves as scripted.
struct ExchangeCase {
  const char* name;
  FakeSerialLine::Answer answer;
  LinkResult code;
  std::string reply;  // when the exchange succeeds
  long long minMs = 0;
  long long maxMs = 500;
  std::function<void(FakeSerialLine&)> fault = {};
};

void PrintTo(const ExchangeCase& c, std::ostream* os) {
  *os << c.name;
}

ExchangeCase Case(const char* name, FakeSerialLine::Answer answer, LinkResult code,
                  std::string reply, long long minMs = 0, long long maxMs = 500,
                  std::function<void(FakeSerialLine&)> fault = {}) {
  return {name, std::move(answer), code, std::move(reply), minMs, maxMs, std::move(fault)};
}

class ExchangeTest : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeTest, ReplyOrFailure) {
  const ExchangeCase& c = GetParam();
  FakeSerialLine line;
  ASSERT_TRUE(line.Open("ttyFAKE0", LineSettings{}));
  DeviceLink link{line};
  if (!c.answer.empty())
    line.Then(c.answer);
  if (c.fault)
    c.fault(line);
  Reply reply;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ExchangeCommand(link, "DEV\r", reply), c.code);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  EXPECT_GE(ms, c.minMs);
  EXPECT_LT(ms, c.maxMs);
  // Whatever happened, the reply stays inside its area and is terminated.
  ASSERT_LT(reply.length, Reply::kCapacity);
  EXPECT_EQ(reply.bytes[reply.length], '\0');
  if (c.code == LinkResult::kOk) {
    EXPECT_EQ(reply.View(), c.reply);
    EXPECT_EQ(line.written, std::vector<std::string>{"DEV\r"});
  }
}

const std::string kLongest = "OK" + std::string(96, '5') + "\r";  // 99 bytes: fits
constexpr LinkResult kFailed = LinkResult::kExchangeFailed;

INSTANTIATE_TEST_SUITE_P(
    Lines, ExchangeTest,
    ::testing::Values(
        Case("Complete", {{0, "OK101\r"}}, LinkResult::kOk, "OK101\r", 0, 100),
        Case("StaleBytesDrained", {{0, "OK10\r"}}, LinkResult::kOk, "OK10\r", 0, 500,
             [](auto& l) { l.QueueNow("late reply\rnoise"); }),
        Case("LongStaleInputDrainedInChunks", {{0, "OK\r"}}, LinkResult::kOk, "OK\r", 0, 500,
             [](auto& l) { l.QueueNow(std::string(350, 'x')); }),
        Case("SplitOverPolls", {{0, "O"}, {25, "K12"}, {60, "\r"}}, LinkResult::kOk, "OK12\r", 60,
             400),
        Case("ShortReads", {{0, "OKKM-62RX\r"}}, LinkResult::kOk, "OKKM-62RX\r", 0, 500,
             [](auto& l) { l.maxReadSize = 3; }),
        Case("CrInTheMiddle", {{0, "OK1\r2"}, {30, "\r"}}, LinkResult::kOk, "OK1\r2\r", 30),
        Case("LongestThatFits", {{0, kLongest}}, LinkResult::kOk, kLongest),
        Case("BytesAfterTheCrTimeOut", {{0, "OK00\rZ"}}, kFailed, "", 900, 1500),
        Case("SilentForAboutOneSecond", {}, kFailed, "", 1000, 1400),
        Case("WouldOverrunTheArea", {{0, "OK" + std::string(120, '7') + "\r"}}, kFailed, ""),
        Case("OneByteTooLongArrivingLater", {{0, "OK" + std::string(97, '5')}, {30, "\r"}}, kFailed,
             ""),
        Case("PartialWrite", {{0, "OK\r"}}, kFailed, "", 0, 100, [](auto& l) { l.writeLimit = 2; }),
        Case("WriteOfNothing", {{0, "OK\r"}}, kFailed, "", 0, 100,
             [](auto& l) { l.writeLimit = 0; }),
        Case("PhantomBytesWhileDraining", {{0, "OK\r"}}, kFailed, "", 0, 100,
             [](auto& l) { l.phantomBytes = 5; }),
        Case("PhantomBytesWhilePolling", {}, kFailed, "", 0, 200,
             [](auto& l) {
               l.responder = [&l](std::string_view) {
                 l.phantomBytes = 3;  // the driver starts lying once the command is out
                 return FakeSerialLine::Answer{{0, "OK"}};
               };
             }),
        Case("VanishesAfterTheWrite", {{0, "OK\r"}}, kFailed, "", 0, 100,
             [](auto& l) { l.vanishAfterWrites = 1; }),
        Case("VanishesMidReply", {{0, "OK1"}, {30, "01\r"}}, kFailed, "", 0, 200,
             [](auto& l) { l.vanishAfterReads = 1; }),
        Case("VanishedBeforeWriting", {}, kFailed, "", 0, 100, [](auto& l) { l.vanished = true; }),
        Case("Closed", {}, kFailed, "", 0, 100, [](auto& l) { l.Close(); })),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace km62rx::device
