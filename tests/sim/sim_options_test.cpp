// Command-line options of km62rx-sim and the reply policy they set up.
#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include "sim/responder.h"

namespace km62rx::sim {
namespace {

std::optional<SimOptions> Parse(std::vector<std::string> args, std::string* error = nullptr) {
  std::string message;
  auto options = ParseSimOptions(args, message);
  if (error != nullptr)
    *error = message;
  return options;
}

TEST(SimOptions, DefaultsPlayAWorkingLogger) {
  const auto options = Parse({});
  ASSERT_TRUE(options);
  EXPECT_EQ(options->model.modelName, "KM-62RX");
  EXPECT_EQ(options->model.firmware, 101);
  EXPECT_EQ(options->model.sdCard, SdCard::kUsable);
  EXPECT_TRUE(options->model.clockSet);
  EXPECT_FALSE(options->model.answerWake);
  EXPECT_FALSE(options->silent);
  EXPECT_EQ(options->splitBytes, 0);
  EXPECT_EQ(options->hangupAfter, 0);
}

TEST(SimOptions, EveryOptionIsTaken) {
  const auto options = Parse({"--model",
                              "KM-62RY",
                              "--firmware=100",
                              "--sd",
                              "protected",
                              "--clock-unset",
                              "--answer-wake",
                              "--silent",
                              "--reply",
                              "BTS1=05",
                              "--reply=BDG=51",
                              "--split",
                              "3",
                              "--extra",
                              "junk",
                              "--delay",
                              "20",
                              "--hangup-after",
                              "4",
                              "--trace",
                              "/tmp/t",
                              "--link",
                              "/tmp/l"});
  ASSERT_TRUE(options);
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
  EXPECT_EQ(Parse({"--sd", "absent"})->model.sdCard, SdCard::kAbsent);
  EXPECT_TRUE(Parse({"--help"})->help);
}

TEST(SimOptions, UsageErrorsSayWhatIsWrong) {
  struct Bad {
    std::vector<std::string> args;
    std::string mentions;
  };
  for (const Bad& bad : std::vector<Bad>{{{"--bogus"}, "--bogus"},
                                         {{"--firmware"}, "needs a value"},
                                         {{"--firmware", "1x"}, "1x"},
                                         {{"--split", "0"}, "--split"},
                                         {{"--delay", "-5"}, "--delay"},
                                         {{"--hangup-after", "0"}, "--hangup-after"},
                                         {{"--sd", "full"}, "full"},
                                         {{"--reply", "BTS1"}, "PREFIX=REPLY"},
                                         {{"--silent=yes"}, "takes no value"}}) {
    std::string error;
    EXPECT_FALSE(Parse(bad.args, &error)) << bad.args[0];
    EXPECT_NE(error.find(bad.mentions), std::string::npos) << error;
  }
}

TEST(Responder, FixedRepliesWinByFirstPrefixAndLeaveTheStateAlone) {
  SimOptions options;
  options.replies = {{"BTS1", "05"}, {"BT", "51"}, {"", "NG"}};
  Responder responder(options);
  EXPECT_EQ(responder.Respond("BTS172359"), "05\r");
  EXPECT_EQ(responder.Respond("BTG1"), "51\r");
  EXPECT_EQ(responder.Respond("DEA"), "NG\r");
  EXPECT_EQ(responder.Respond(""), "NG\r");
  EXPECT_EQ(responder.model().settings().START_TIME[1].Str(), "1-");
}

TEST(Responder, ExtraBytesFollowEveryReplyButNoSilence) {
  SimOptions options;
  options.extra = "X\r";
  Responder responder(options);
  EXPECT_EQ(responder.Respond("DEV"), "OK101\rX\r");
  EXPECT_EQ(responder.Respond(""), "");  // no answer, so no extra bytes either
}

TEST(Responder, SilentAnswersNothing) {
  SimOptions options;
  options.silent = true;
  options.model.answerWake = true;
  options.replies = {{"DEA", "OKKM-62RX"}};
  Responder responder(options);
  EXPECT_EQ(responder.Respond(""), "");
  EXPECT_EQ(responder.Respond("DEA"), "");
  EXPECT_EQ(responder.Respond("DEV"), "");
}

}  // namespace
}  // namespace km62rx::sim
