// The simulated logger's answers, command by command, without a terminal.
#include "sim/logger_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// A valid set echoes its parameter, and the get of the same setting reads it
// back; entries and lists are kept apart.
TEST(LoggerModel, ValidSetsEchoAndAreReadBack) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"BDS10D0A", "BDG1"},    {"BDS0", "BDG0"},    {"BDS2aBcD0e1F", "BDG2"},
      {"BTS672359", "BTG6"},   {"EDS00D", "EDG0"},  {"ETS512000", "ETG5"},
      {"EIS999999999", "EIG"}, {"EIS-", "EIG"},     {"ESS2097152000", "ESG"},
      {"ELS863913600", "ELG"}, {"LESa1Z", "LEG"},   {"PMSON", "PMG"},
      {"PTSHMS", "PTG"},       {"PNSOFF", "PNG"},   {"PPS ", "PPG"},
      {"PPS\\", "PPG"},        {"PPS\\x2c", "PPG"}, {"PDS00112233445566778899", "PDG"},
      {"PDS", "PDG"},          {"PBS1", "PBG1"},    {"PES20d0a", "PEG2"},
      {"PIS5000", "PIG"},      {"PSS10240", "PSG"}};
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
  const Lines cases{// Entry numbers and unknown commands.
                    "BDS3-", "BDG3", "BDS", "BDGx", "BTS7-", "PEG3", "BDG01", "EIGX", "PPG,", "XYZ",
                    "BDX0", "B", "DEAX", "bds0-", "BDS0-\n",
                    // Data patterns.
                    "BDS00D0A0B0C0E", "BDS0D", "BDS0GG", "BDS0--", "EDS0", "PES1", "PDS0D0",
                    "PDS0011223344556677889900", "PDS-",
                    // Times of day.
                    "BTS08", "BTS0000000", "BTS082400", "BTS002360", "BTS0a0000", "ETS1-0000",
                    // Numbers.
                    "EIS0", "EIS1000000000", "EIS", "EIS+5", "EIS12a", "ESS2097152001",
                    "ESS99999999999", "ELS863913601", "PIS0", "PSS2097152001", "EIS--",
                    // Texts.
                    "LESAB", "LESABCD", "LES.CF", "PMSon", "PMSYES", "PNSALL", "PTSON", "PPS",
                    "PPS,,", "PPS\\\\", "PPS\\x2", "PPS\\q", "PPS\x7f"};
  LoggerModel model = MakeModel();
  for (const std::string& line : cases)
    EXPECT_EQ(model.Answer(line), "99\r") << line;
  EXPECT_TRUE(model.settings() == settings::DefaultSettings());
}

TEST(LoggerModel, OldFirmwareAndMissingCard) {
  // Old firmware knows no time-stamp commands.
  LoggerModel old = MakeModel({.firmware = 100});
  for (const std::string line : {"PMSON", "PTG", "PPS,", "PDS", "PBG0", "PES0-", "PIS-", "PSG"})
    EXPECT_EQ(old.Answer(line), "01\r") << line;
  EXPECT_EQ(old.Answer("BDS0-"), "OK0-\r");
  EXPECT_EQ(old.settings().TMSP_MODE.Str(), "OFF");

  // Without a usable card every settings command answers 51; the status and
  // clock commands still work.
  for (SdCard card : {SdCard::kAbsent, SdCard::kProtected}) {
    LoggerModel model = MakeModel({.sdCard = card});
    for (const std::string line : {"BDS0-", "BTG1", "EDS1-", "EIS5", "LESCSV", "PMG", "BDS9"})
      EXPECT_EQ(model.Answer(line), "51\r") << line;
    EXPECT_EQ(model.Answer("DEA"), "OKKM-62RX\r");
    EXPECT_EQ(model.Answer("TMG"), "OK260305070809\r");
    EXPECT_EQ(model.Answer("XYZ"), "99\r");
    EXPECT_TRUE(model.settings() == settings::DefaultSettings());
  }
  // Old firmware wins over a missing card for the time-stamp commands.
  LoggerModel both = MakeModel({.firmware = 100, .sdCard = SdCard::kAbsent});
  EXPECT_EQ(both.Answer("PMG"), "01\r");
  EXPECT_EQ(both.Answer("BDG0"), "51\r");
}

}  // namespace
}  // namespace km62rx::sim
