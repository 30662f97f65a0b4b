#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "device/device_link.h"
#include "device/link.h"
#include "support/fake_serial_line.h"

namespace km62rx::device {
namespace {

using testing::FakeSerialLine;
using Clock = std::chrono::steady_clock;

class ExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(line.Open("ttyFAKE0", LineSettings{})); }

  // Runs one exchange and measures it.
  int Exchange(std::string_view command) {
    const auto start = Clock::now();
    const int code = ExchangeCommand(link, command, reply);
    elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    return code;
  }

  FakeSerialLine line;
  DeviceLink link{line};
  Reply reply;
  long long elapsedMs = 0;
};

TEST_F(ExchangeTest, CompleteReplyIsReturnedAndZeroTerminated) {
  line.ThenReply("OK101\r");
  ASSERT_EQ(Exchange("DEV\r"), kLinkOk);
  EXPECT_EQ(reply.View(), "OK101\r");
  EXPECT_EQ(reply.Payload(), "101");
  EXPECT_EQ(reply.bytes[reply.length], '\0');
  ASSERT_EQ(line.written.size(), 1u);
  EXPECT_EQ(line.written[0], "DEV\r");
  EXPECT_LT(elapsedMs, 100);
}

TEST_F(ExchangeTest, StaleBytesAreDrainedAndNeverMixedIntoTheReply) {
  line.QueueNow("late reply\rnoise");
  line.ThenReply("OK10\r");
  ASSERT_EQ(Exchange("DEC\r"), kLinkOk);
  EXPECT_EQ(reply.View(), "OK10\r");
  EXPECT_EQ(line.PendingBytes(), 0u);
}

TEST_F(ExchangeTest, LongStaleInputIsDrainedInChunks) {
  line.QueueNow(std::string(350, 'x'));
  line.ThenReply("OK\r");
  ASSERT_EQ(Exchange("TMG\r"), kLinkOk);
  EXPECT_EQ(reply.View(), "OK\r");
  EXPECT_GE(line.readCalls, 4 + 1);
}

TEST_F(ExchangeTest, ReplySplitOverSeveralPollsIsJoined) {
  line.Then({{0, "O"}, {25, "K12"}, {60, "\r"}});
  ASSERT_EQ(Exchange("DEV\r"), kLinkOk);
  EXPECT_EQ(reply.View(), "OK12\r");
  EXPECT_GE(elapsedMs, 60);
  EXPECT_LT(elapsedMs, 400);
}

TEST_F(ExchangeTest, ReadsThatDeliverLessThanAskedAreJoined) {
  line.maxReadSize = 3;
  line.ThenReply("OKKM-62RX\r");
  ASSERT_EQ(Exchange("DEA\r"), kLinkOk);
  EXPECT_EQ(reply.View(), "OKKM-62RX\r");
}

TEST_F(ExchangeTest, CarriageReturnFollowedByMoreBytesDoesNotEndTheReply) {
  line.Then({{0, "OK1\r2"}, {30, "\r"}});
  ASSERT_EQ(Exchange("X\r"), kLinkOk);
  EXPECT_EQ(reply.View(), "OK1\r2\r");
  EXPECT_GE(elapsedMs, 30);
}

TEST_F(ExchangeTest, BytesAfterTheCarriageReturnTimeOut) {
  line.ThenReply("OK00\rZ");
  EXPECT_EQ(Exchange("BDS\r"), kExchangeFailed);
  EXPECT_GE(elapsedMs, 900);
  EXPECT_LT(elapsedMs, 1500);
}

TEST_F(ExchangeTest, SilentLineFailsAfterAboutOneSecond) {
  line.ThenSilence();
  EXPECT_EQ(Exchange("DEA\r"), kExchangeFailed);
  // 101 poll intervals of 10 ms.
  EXPECT_GE(elapsedMs, 1000);
  EXPECT_LT(elapsedMs, 1400);
  EXPECT_EQ(reply.length, 0u);
}

TEST_F(ExchangeTest, ReplyThatWouldOverrunTheAreaFails) {
  line.ThenReply("OK" + std::string(120, '7') + "\r");
  EXPECT_EQ(Exchange("DEV\r"), kExchangeFailed);
  EXPECT_LE(reply.length, Reply::kCapacity - 1);
  EXPECT_EQ(reply.bytes[Reply::kCapacity - 1], '\0');
  EXPECT_LT(elapsedMs, 500);
}

TEST_F(ExchangeTest, LongestReplyThatFitsIsAccepted) {
  const std::string longest = "OK" + std::string(96, '5') + "\r";  // 99 bytes
  line.ThenReply(longest);
  ASSERT_EQ(Exchange("DEV\r"), kLinkOk);
  EXPECT_EQ(reply.View(), longest);
  EXPECT_EQ(reply.bytes[99], '\0');
}

TEST_F(ExchangeTest, OneByteTooLongFailsEvenWhenItArrivesLater) {
  line.Then({{0, "OK" + std::string(97, '5')}, {30, "\r"}});  // 100 bytes with the CR
  EXPECT_EQ(Exchange("DEV\r"), kExchangeFailed);
  EXPECT_EQ(reply.bytes[Reply::kCapacity - 1], '\0');
}

TEST_F(ExchangeTest, PartialWriteFails) {
  line.writeLimit = 2;
  line.ThenReply("OK\r");
  EXPECT_EQ(Exchange("TMG\r"), kExchangeFailed);
}

TEST_F(ExchangeTest, WriteOfNothingFails) {
  line.writeLimit = 0;
  EXPECT_EQ(Exchange("TMG\r"), kExchangeFailed);
}

TEST_F(ExchangeTest, BytesReportedButNeverDeliveredWhileDrainingGiveUp) {
  line.phantomBytes = 5;
  EXPECT_EQ(Exchange("DEV\r"), kExchangeFailed);
  EXPECT_LT(elapsedMs, 100);
  EXPECT_LT(line.readCalls, 5);
}

TEST_F(ExchangeTest, BytesReportedButNeverDeliveredWhilePollingGiveUp) {
  line.responder = [this](std::string_view) {
    line.phantomBytes = 3;  // the driver starts lying once the command is out
    return FakeSerialLine::Answer{{0, "OK"}};
  };
  EXPECT_EQ(Exchange("DEV\r"), kExchangeFailed);
  EXPECT_LT(elapsedMs, 200);
  EXPECT_LT(line.readCalls, 10);
}

TEST_F(ExchangeTest, PortThatVanishesAfterTheWriteFailsAtOnce) {
  line.vanishAfterWrites = 1;
  line.ThenReply("OK\r");
  EXPECT_EQ(Exchange("TMG\r"), kExchangeFailed);
  EXPECT_LT(elapsedMs, 100);
}

TEST_F(ExchangeTest, PortThatVanishesInTheMiddleOfAReplyFails) {
  line.vanishAfterReads = 1;
  line.Then({{0, "OK1"}, {30, "01\r"}});
  EXPECT_EQ(Exchange("DEV\r"), kExchangeFailed);
  EXPECT_LT(elapsedMs, 200);
}

TEST_F(ExchangeTest, VanishedPortFailsBeforeWriting) {
  line.vanished = true;
  EXPECT_EQ(Exchange("DEV\r"), kExchangeFailed);
  EXPECT_TRUE(line.written.empty());
}

TEST_F(ExchangeTest, ClosedPortFails) {
  line.Close();
  EXPECT_EQ(Exchange("DEV\r"), kExchangeFailed);
}

TEST_F(ExchangeTest, EveryExchangeStartsFromAZeroedArea) {
  line.ThenReply("OKKM-62RX\r").ThenReply("01\r");
  ASSERT_EQ(Exchange("DEA\r"), kLinkOk);
  ASSERT_EQ(Exchange("TMG\r"), kLinkOk);
  EXPECT_EQ(reply.View(), "01\r");
  for (std::size_t i = reply.length; i < Reply::kCapacity; ++i)
    ASSERT_EQ(reply.bytes[i], '\0');
}

TEST_F(ExchangeTest, TraceGetsTheLineSentAndTheReplyReceived) {
  std::vector<std::pair<std::string, std::string>> lines;
  link.trace = [&](std::string_view dir, std::string_view bytes) {
    lines.emplace_back(std::string(dir), std::string(bytes));
  };
  line.ThenReply("OK101\r");
  ASSERT_EQ(Exchange("DEV\r"), kLinkOk);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::make_pair(std::string(">"), std::string("DEV\r")));
  EXPECT_EQ(lines[1], std::make_pair(std::string("<"), std::string("OK101\r")));
}

TEST(ReplyTest, PayloadRunsFromTheThirdByteToTheFirstCr) {
  Reply reply;
  const std::string text = "OK2603\rxx";
  std::copy(text.begin(), text.end(), reply.bytes.begin());
  reply.length = text.size();
  EXPECT_EQ(reply.Payload(), "2603");
  reply.Clear();
  EXPECT_EQ(reply.Payload(), "");
  EXPECT_EQ(reply.At(5), '\0');
}

}  // namespace
}  // namespace km62rx::device
