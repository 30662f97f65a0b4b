// Command-line options of km62rx-sim and the reply policy they set up.
#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "sim/responder.h"

namespace km62rx::sim {
namespace {

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

TEST(SimOptions, EveryOptionIsTaken) {
  std::string error;
  const auto options = ParseSimOptions(
      Words("--model=KM-62RY --firmware=100 --sd protected --clock-unset --answer-wake --silent "
            "--reply BTS1=05 --reply=BDG=51 --split 3 --extra junk --delay 20 --hangup-after 4 "
            "--trace /tmp/t --link /tmp/l"),
      error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->model.modelName, "KM-62RY");
  EXPECT_EQ(options->model.firmware, 100);
  EXPECT_EQ(options->model.sdCard, SdCard::kProtected);
  EXPECT_FALSE(options->model.clockSet);
  EXPECT_TRUE(options->model.answerWake);
  EXPECT_TRUE(options->silent);
  ASSERT_EQ(options->replies.size(), 2u);
  EXPECT_EQ(options->replies[0].prefix, "BTS1");
  EXPECT_EQ(options->replies[0].reply, "05");
  EXPECT_EQ(options->replies[1].prefix, "BDG");
  EXPECT_EQ(options->replies[1].reply, "51");
  EXPECT_EQ(options->splitBytes, 3);
  EXPECT_EQ(options->extra, "junk");
  EXPECT_EQ(options->delayMs, 20);
  EXPECT_EQ(options->hangupAfter, 4);
  EXPECT_EQ(options->traceFile, "/tmp/t");
  EXPECT_EQ(options->linkPath, "/tmp/l");
}

TEST(SimOptions, UsageErrorsSayWhatIsWrong) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"--bogus"}, "--bogus"},
      {{"--firmware"}, "needs a value"},
      {{"--firmware", "1x"}, "1x"},
      {{"--split", "0"}, "--split"},
      {{"--delay", "-5"}, "--delay"},
      {{"--hangup-after", "0"}, "--hangup-after"},
      {{"--sd", "full"}, "full"},
      {{"--reply", "BTS1"}, "PREFIX=REPLY"},
      {{"--silent=yes"}, "takes no value"}};
  for (const auto& [args, mentions] : cases) {
    std::string error;
    EXPECT_FALSE(ParseSimOptions(args, error)) << args[0];
    EXPECT_NE(error.find(mentions), std::string::npos) << error;
  }
}

TEST(Responder, FixedRepliesWinByFirstPrefixAndLeaveTheStateAlone) {
  SimOptions options;
  options.replies = {{"BTS1", "05"}, {"BT", "51"}, {"", "NG"}};
  Responder responder(options);
  EXPECT_EQ(responder.Respond("BTS172359"), "05\r");
  EXPECT_EQ(responder.Respond("BTG1"), "51\r");
  EXPECT_EQ(responder.Respond(""), "NG\r");
  EXPECT_EQ(responder.model().settings().START_TIME[1].Str(), "1-");
}

TEST(Responder, ExtraBytesFollowEveryReplyAndSilenceAnswersNothing) {
  SimOptions options;
  options.extra = "X\r";
  Responder extra(options);
  EXPECT_EQ(extra.Respond("DEV"), "OK101\rX\r");
  EXPECT_EQ(extra.Respond(""), "");  // no answer, so no extra bytes either

  options.silent = true;
  options.model.answerWake = true;
  options.replies = {{"DEA", "OKKM-62RX"}};
  Responder silent(options);
  for (const char* line : {"", "DEA", "DEV"})
    EXPECT_EQ(silent.Respond(line), "") << line;
}

}  // namespace
}  // namespace km62rx::sim
