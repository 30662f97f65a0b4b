// Command-line options of km62rx-sim and the reply policy they set up.
#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include "sim/responder.h"

namespace km62rx::sim {
namespace {

// The "=" forms and the extra bytes, which only this test reaches.
TEST(SimOptions, ValuesAfterEqualsAndExtraBytes) {
  std::string error;
  const auto options =
      ParseSimOptions({"--model=KM-62RY", "--reply=BDG=51", "--extra", "junk", "--silent"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->model.modelName, "KM-62RY");
  ASSERT_EQ(options->replies.size(), 1u);
  EXPECT_EQ(options->replies[0].prefix, "BDG");
  EXPECT_EQ(options->replies[0].reply, "51");
  EXPECT_EQ(options->extra, "junk");
  EXPECT_TRUE(options->silent);
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

}  // namespace
}  // namespace km62rx::sim
