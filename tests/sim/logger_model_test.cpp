// The simulated logger's answers, command by command, without a terminal, and its clock (TMG and
// TMS) against a pinned host clock.
#include "sim/logger_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/logger_clock.h"

namespace km62rx::sim {
namespace {

using Lines = std::vector<std::string>;

// Host clock pinned to 2026-03-05 07:08:09.
LoggerModel MakeModel(ModelConfig config = {}) {
  return LoggerModel(std::move(config), [] { return ToSeconds({2026, 3, 5, 7, 8, 9}); });
}

TEST(LoggerModel, IdentificationStatusAndWakeUp) {
  LoggerModel model = MakeModel();
  EXPECT_EQ(model.Answer("DEA"), "OKKM-62RX\r");
  EXPECT_EQ(model.Answer("DEV"), "OK101\r");
  EXPECT_EQ(model.Answer("DEC"), "OK10\r");
  EXPECT_EQ(model.Answer(""), "");  // a lone CR only when asked for
  LoggerModel other = MakeModel({.modelName = "KM-62RY", .firmware = 123, .answerWake = true});
  EXPECT_EQ(other.Answer("DEA"), "OKKM-62RY\r");
  EXPECT_EQ(other.Answer("DEV"), "OK123\r");
  EXPECT_EQ(other.Answer(""), "OK\r");
  EXPECT_EQ(MakeModel({.sdCard = SdCard::kAbsent}).Answer("DEC"), "OK00\r");
  EXPECT_EQ(MakeModel({.sdCard = SdCard::kProtected}).Answer("DEC"), "OK11\r");
}

TEST(LoggerModel, ValidSetsEchoAndAreReadBack) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"BDS10D0A", "BDG1"},     {"BDS0", "BDG0"},
      {"BTS672359", "BTG6"},    {"EIS-", "EIG"},
      {"ESS2097152000", "ESG"}, {"ELS863913600", "ELG"},
      {"LESa1Z", "LEG"},        {"PMSON", "PMG"},
      {"PPS\\x2c", "PPG"},      {"PDS00112233445566778899", "PDG"}};
  LoggerModel model = MakeModel();
  for (const auto& [set, get] : cases) {
    const std::string reply = "OK" + set.substr(3) + "\r";
    EXPECT_EQ(model.Answer(set), reply) << set;
    EXPECT_EQ(model.Answer(get), reply) << set;
  }
  EXPECT_EQ(model.Answer("EDG1"), "OK1-\r");  // stop triggers are a list of their own
  EXPECT_EQ(model.Answer("BDS1-"), "OK1-\r");
  EXPECT_EQ(model.Answer("BDG1"), "OK1-\r");
  EXPECT_EQ(model.settings().STOP_IDLETIME.Str(), "-");
  EXPECT_EQ(model.Answer("ESS0042"), "OK0042\r");  // a number is kept, not its zeros
  EXPECT_EQ(model.Answer("ESG"), "OK42\r");
}

TEST(LoggerModel, BadParametersAnswer99AndKeepTheSettings) {
  // One case per rule: entry numbers and unknown commands, data patterns,
  // times of day, numbers, texts.
  const Lines cases{"BDS3-",         "BDG01",     "XYZ",
                    "bds0-",         "BDS0-\n",   "BDS00D0A0B0C0E",
                    "BDS0D",         "BDS0GG",    "PDS0011223344556677889900",
                    "BTS082400",     "BTS002360", "EIS0",
                    "EIS1000000000", "EIS+5",     "ESS2097152001",
                    "ELS863913601",  "LESAB",     "PMSon",
                    "PPS,,",         "PPS\\x2"};
  LoggerModel model = MakeModel();
  for (const std::string& line : cases)
    EXPECT_EQ(model.Answer(line), "99\r") << line;
  EXPECT_TRUE(model.settings() == settings::DefaultSettings());
}

TEST(LoggerModel, OldFirmwareAndMissingCard) {
  // Old firmware knows no time-stamp commands.
  LoggerModel old = MakeModel({.firmware = 100});
  for (const std::string line : {"PMSON", "PTG", "PBG0", "PSG"})
    EXPECT_EQ(old.Answer(line), "01\r") << line;
  EXPECT_EQ(old.Answer("BDS0-"), "OK0-\r");
  EXPECT_EQ(old.settings().TMSP_MODE.Str(), "OFF");

  // Without a usable card (absent is the same test) every settings command answers 51; the
  // status and clock commands still work.
  LoggerModel model = MakeModel({.sdCard = SdCard::kProtected});
  for (const std::string line : {"BDS0-", "EIS5", "LESCSV", "BDS9"})
    EXPECT_EQ(model.Answer(line), "51\r") << line;
  EXPECT_EQ(model.Answer("DEA"), "OKKM-62RX\r");
  EXPECT_EQ(model.Answer("TMG"), "OK260305070809\r");
  EXPECT_EQ(model.Answer("XYZ"), "99\r");
  EXPECT_TRUE(model.settings() == settings::DefaultSettings());
}

class ClockCommands : public ::testing::Test {
 protected:
  std::int64_t host = ToSeconds({2026, 3, 5, 7, 8, 9});
  LoggerModel Make(bool clockSet) {
    return LoggerModel({.clockSet = clockSet}, [this] { return host; });
  }
};

TEST_F(ClockCommands, ClockRunsOnFromHostTimeOrTheTimeSet) {
  LoggerModel model = Make(true);
  EXPECT_EQ(model.Answer("TMG"), "OK260305070809\r");
  host += 3600 * 24 + 61;
  EXPECT_EQ(model.Answer("TMG"), "OK260306070910\r");
  EXPECT_EQ(model.Answer("TMS991231235959"), "OK991231235959\r");
  host += 2;
  // The logger's year has two digits: 2099 rolls over to 00.
  EXPECT_EQ(model.Answer("TMG"), "OK000101000001\r");
}

TEST_F(ClockCommands, UnsetClockAnswers01UntilSet) {
  LoggerModel model = Make(false);
  EXPECT_EQ(model.Answer("TMG"), "01\r");
  EXPECT_EQ(model.Answer("TMS9912"), "99\r");
  EXPECT_EQ(model.Answer("TMG"), "01\r");
  EXPECT_EQ(model.Answer("TMS260101000000"), "OK260101000000\r");
  host += 59;
  EXPECT_EQ(model.Answer("TMG"), "OK260101000059\r");
}

TEST_F(ClockCommands, CalendarRangesAreChecked) {
  LoggerModel model = Make(true);
  for (const std::string line :
       {"TMS", "TMS2603050708090", "TMS261305070809", "TMS260300070809", "TMS260332070809",
        "TMS260305240809", "TMS260305076009", "TMS26030507080a"}) {
    EXPECT_EQ(model.Answer(line), "99\r") << line;
  }
  EXPECT_EQ(model.Answer("TMG"), "OK260305070809\r");
  // Day 31 passes in any month; the clock then holds the real date.
  EXPECT_EQ(model.Answer("TMS260231000000"), "OK260303000000\r");
}

}  // namespace
}  // namespace km62rx::sim
