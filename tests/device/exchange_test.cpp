#include <gtest/gtest.h>

#include <chrono>
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
// misbehaves as scripted; an empty reply means the exchange fails.
struct ExchangeCase {
  const char* name;
  FakeSerialLine::Answer answer;
  std::string reply;
  long long minMs = 0;
  long long maxMs = 500;
  void (*fault)(FakeSerialLine&) = nullptr;
};

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
  EXPECT_EQ(ExchangeCommand(link, "DEV\r", reply),
            c.reply.empty() ? LinkResult::kExchangeFailed : LinkResult::kOk);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  EXPECT_GE(ms, c.minMs);
  EXPECT_LT(ms, c.maxMs);
  // Whatever happened, the reply stays inside its area and is terminated.
  ASSERT_LT(reply.length, Reply::kCapacity);
  EXPECT_EQ(reply.bytes[reply.length], '\0');
  if (!c.reply.empty()) {
    EXPECT_EQ(reply.View(), c.reply);
    EXPECT_EQ(line.written, std::vector<std::string>{"DEV\r"});
  }
}

using Line = FakeSerialLine;
const std::string kLongest = "OK" + std::string(96, '5') + "\r";  // 99 bytes: fits
const std::string kNoise(350, 'x');

void PhantomBytesOnceTheCommandIsOut(Line& l) {
  l.responder = [&l](std::string_view) {
    l.phantomBytes = 3;
    return Line::Answer{{0, "OK"}};
  };
}

const std::vector<ExchangeCase> kExchangeCases = {
    {"Complete", {{0, "OK101\r"}}, "OK101\r", 0, 100},
    {"StaleInputDrained", {{0, "OK\r"}}, "OK\r", 0, 500, [](Line& l) { l.QueueNow(kNoise); }},
    {"SplitOverPolls", {{0, "O"}, {25, "K12"}, {60, "\r"}}, "OK12\r", 60, 400},
    {"ShortReads", {{0, "OKKM-62RX\r"}}, "OKKM-62RX\r", 0, 500, [](Line& l) { l.maxReadSize = 3; }},
    {"CrInTheMiddle", {{0, "OK1\r2"}, {30, "\r"}}, "OK1\r2\r", 30},
    {"LongestThatFits", {{0, kLongest}}, kLongest},
    {"BytesAfterTheCrTimeOut", {{0, "OK00\rZ"}}, "", 900, 1500},
    {"SilentForAboutOneSecond", {}, "", 1000, 1400},
    {"WouldOverrunTheArea", {{0, "OK" + std::string(120, '7') + "\r"}}, ""},
    {"OneByteTooLongArrivingLater", {{0, "OK" + std::string(97, '5')}, {30, "\r"}}, ""},
    {"PartialWrite", {{0, "OK\r"}}, "", 0, 100, [](Line& l) { l.writeLimit = 2; }},
    {"PhantomBytesWhileDraining", {{0, "OK\r"}}, "", 0, 100, [](Line& l) { l.phantomBytes = 5; }},
    {"PhantomBytesWhilePolling", {}, "", 0, 200, PhantomBytesOnceTheCommandIsOut},
    {"VanishesAfterTheWrite", {{0, "OK\r"}}, "", 0, 100, [](Line& l) { l.vanishAfterWrites = 1; }},
    {"GoneMidReply", {{0, "O"}, {30, "K\r"}}, "", 0, 200, [](Line& l) { l.vanishAfterReads = 1; }},
    {"VanishedBeforeWriting", {}, "", 0, 100, [](Line& l) { l.vanished = true; }},
    {"Closed", {}, "", 0, 100, [](Line& l) { l.Close(); }},
};

INSTANTIATE_TEST_SUITE_P(Lines, ExchangeTest, ::testing::ValuesIn(kExchangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace km62rx::device
