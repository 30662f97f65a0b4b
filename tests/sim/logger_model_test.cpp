// The simulated logger's answers, command by command, without a terminal.
#include "sim/logger_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace km62rx::sim {
namespace {

struct Case {
  std::string line;
  std::string reply;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
  return out << '"' << c.line << "\" -> \"" << c.reply << '"';
}

// Host clock pinned to 2026-03-05 07:08:09.
std::int64_t PinnedHost() {
  return ToSeconds({2026, 3, 5, 7, 8, 9});
}

LoggerModel MakeModel(ModelConfig config = {}) {
  return LoggerModel(std::move(config), PinnedHost);
}

TEST(LoggerModel, IdentificationAndStatus) {
  LoggerModel model = MakeModel();
  EXPECT_EQ(model.Answer("DEA"), "OKKM-62RX\r");
  EXPECT_EQ(model.Answer("DEV"), "OK101\r");
  EXPECT_EQ(model.Answer("DEC"), "OK10\r");

  LoggerModel other = MakeModel({.modelName = "KM-62RY", .firmware = 123});
  EXPECT_EQ(other.Answer("DEA"), "OKKM-62RY\r");
  EXPECT_EQ(other.Answer("DEV"), "OK123\r");
}

TEST(LoggerModel, SdCardStates) {
  EXPECT_EQ(MakeModel({.sdCard = SdCard::kUsable}).Answer("DEC"), "OK10\r");
  EXPECT_EQ(MakeModel({.sdCard = SdCard::kAbsent}).Answer("DEC"), "OK00\r");
  EXPECT_EQ(MakeModel({.sdCard = SdCard::kProtected}).Answer("DEC"), "OK11\r");
}

TEST(LoggerModel, LoneCrIsAnsweredOnlyWhenAsked) {
  EXPECT_EQ(MakeModel().Answer(""), "");
  EXPECT_EQ(MakeModel({.answerWake = true}).Answer(""), "OK\r");
}

class DefaultGets : public ::testing::TestWithParam<Case> {};

TEST_P(DefaultGets, AnswerTheDefaultSettings) {
  LoggerModel model = MakeModel();
  EXPECT_EQ(model.Answer(GetParam().line), GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(
    AllSettings, DefaultGets,
    ::testing::Values(Case{"BDG0", "OK0-\r"}, Case{"BDG2", "OK2-\r"}, Case{"BTG0", "OK0-\r"},
                      Case{"BTG6", "OK6-\r"}, Case{"EDG1", "OK1-\r"}, Case{"ETG5", "OK5-\r"},
                      Case{"EIG", "OK-\r"}, Case{"ESG", "OK-\r"}, Case{"ELG", "OK-\r"},
                      Case{"LEG", "OKLOG\r"}, Case{"PMG", "OKOFF\r"}, Case{"PTG", "OKALL\r"},
                      Case{"PNG", "OKON\r"}, Case{"PPG", "OK,\r"}, Case{"PDG", "OK\r"},
                      Case{"PBG0", "OK0-\r"}, Case{"PEG2", "OK2-\r"}, Case{"PIG", "OK-\r"},
                      Case{"PSG", "OK-\r"}));

// A valid set, the get that reads it back, and the get's reply.
struct SetCase {
  std::string set;
  std::string get;
  std::string reply;
};

std::ostream& operator<<(std::ostream& out, const SetCase& c) {
  return out << c.set;
}

class ValidSets : public ::testing::TestWithParam<SetCase> {};

TEST_P(ValidSets, EchoAndAreReadBack) {
  LoggerModel model = MakeModel();
  const SetCase& c = GetParam();
  EXPECT_EQ(model.Answer(c.set), "OK" + c.set.substr(3) + "\r");
  EXPECT_EQ(model.Answer(c.get), c.reply);
}

INSTANTIATE_TEST_SUITE_P(
    AllSettings, ValidSets,
    ::testing::Values(
        SetCase{"BDS10D0A", "BDG1", "OK10D0A\r"}, SetCase{"BDS0", "BDG0", "OK0\r"},
        SetCase{"BDS2aBcD0e1F", "BDG2", "OK2aBcD0e1F\r"}, SetCase{"BDS1-", "BDG1", "OK1-\r"},
        SetCase{"BTS300705", "BTG3", "OK300705\r"}, SetCase{"BTS672359", "BTG6", "OK672359\r"},
        SetCase{"BTS0-", "BTG0", "OK0-\r"}, SetCase{"EDS00D", "EDG0", "OK00D\r"},
        SetCase{"EDS2-", "EDG2", "OK2-\r"}, SetCase{"ETS512000", "ETG5", "OK512000\r"},
        SetCase{"EIS1", "EIG", "OK1\r"}, SetCase{"EIS999999999", "EIG", "OK999999999\r"},
        SetCase{"EIS-", "EIG", "OK-\r"}, SetCase{"ESS2097152000", "ESG", "OK2097152000\r"},
        SetCase{"ELS863913600", "ELG", "OK863913600\r"}, SetCase{"ELS93784", "ELG", "OK93784\r"},
        SetCase{"LESCSV", "LEG", "OKCSV\r"}, SetCase{"LESa1Z", "LEG", "OKa1Z\r"},
        SetCase{"PMSON", "PMG", "OKON\r"}, SetCase{"PTSHMS", "PTG", "OKHMS\r"},
        SetCase{"PTSOFF", "PTG", "OKOFF\r"}, SetCase{"PNSOFF", "PNG", "OKOFF\r"},
        SetCase{"PPS;", "PPG", "OK;\r"}, SetCase{"PPS ", "PPG", "OK \r"},
        SetCase{"PPS\\", "PPG", "OK\\\r"}, SetCase{"PPS\\t", "PPG", "OK\\t\r"},
        SetCase{"PPS\\x2c", "PPG", "OK\\x2c\r"}, SetCase{"PDS0D0A", "PDG", "OK0D0A\r"},
        SetCase{"PDS00112233445566778899", "PDG", "OK00112233445566778899\r"},
        SetCase{"PDS", "PDG", "OK\r"}, SetCase{"PBS1", "PBG1", "OK1\r"},
        SetCase{"PBS0FF", "PBG0", "OK0FF\r"}, SetCase{"PES20d0a", "PEG2", "OK20d0a\r"},
        SetCase{"PIS5000", "PIG", "OK5000\r"}, SetCase{"PSS10240", "PSG", "OK10240\r"}));

class BadParameters : public ::testing::TestWithParam<std::string> {};

TEST_P(BadParameters, Answer99AndKeepTheSetting) {
  LoggerModel model = MakeModel();
  const settings::LoggerSettings before = model.settings();
  EXPECT_EQ(model.Answer(GetParam()), "99\r");
  EXPECT_TRUE(model.settings() == before);
}

INSTANTIATE_TEST_SUITE_P(EntryIndex, BadParameters,
                         ::testing::Values("BDS3-", "BDG3", "BDS", "BDG", "BDGx", "BTS7-", "BTG7",
                                           "EDG9", "ETS7-", "PBS3-", "PEG3", "BDG01", "EIGX",
                                           "LEG1", "PPG,"));
INSTANTIATE_TEST_SUITE_P(DataPatterns, BadParameters,
                         ::testing::Values("BDS00D0A0B0C0E", "BDS00", "BDS0D", "BDS0GG", "BDS0--",
                                           "BDS0 0D", "EDS0", "PES1", "EDS00D0A0B0C0E", "PBS0123",
                                           "PDS0D0", "PDS0D0A0B0C0D0E0F101112131",
                                           "PDS0011223344556677889900", "PDSzz", "PDS-"));
INSTANTIATE_TEST_SUITE_P(TimesOfDay, BadParameters,
                         ::testing::Values("BTS0", "BTS08", "BTS00000", "BTS0000000", "BTS082400",
                                           "BTS002360", "BTS0a0000", "ETS1-0000", "ETS1 1200"));
INSTANTIATE_TEST_SUITE_P(Numbers, BadParameters,
                         ::testing::Values("EIS0", "EIS1000000000", "EIS", "EIS-1", "EIS+5",
                                           "EIS12a", "ESS2097152001", "ESS99999999999",
                                           "ELS863913601", "PIS0", "PSS2097152001", "EIS--"));
INSTANTIATE_TEST_SUITE_P(Texts, BadParameters,
                         ::testing::Values("LES", "LESAB", "LESABCD", "LES.CF", "LESA-B", "PMSon",
                                           "PMS", "PMSYES", "PNSALL", "PTSall", "PTSON", "PPS",
                                           "PPS,,", "PPS\\\\", "PPS\\x2", "PPS\\x2cz", "PPS\\q",
                                           "PPS\\tx", "PPS\x7f"));
INSTANTIATE_TEST_SUITE_P(UnknownCommands, BadParameters,
                         ::testing::Values("XYZ", "BDX0", "BD", "B", "DE", "DEAX", "DEV1", "TMGX",
                                           "bds0-", "ZZS", "BDS0-\n", "TM"));

TEST(LoggerModel, OldFirmwareKnowsNoTimestampCommands) {
  LoggerModel model = MakeModel({.firmware = 100});
  for (const std::string line :
       {"PMSON", "PMG",  "PTSALL", "PTG",  "PNSON", "PNG", "PPS,", "PPG", "PDS",    "PDG",
        "PBS0-", "PBG0", "PES0-",  "PEG0", "PIS-",  "PIG", "PSS-", "PSG", "PMSbad", "PBG9"}) {
    EXPECT_EQ(model.Answer(line), "01\r") << line;
  }
  EXPECT_EQ(model.Answer("BDS0-"), "OK0-\r");
  EXPECT_EQ(model.Answer("LEG"), "OKLOG\r");
  EXPECT_EQ(model.Answer("DEV"), "OK100\r");
  EXPECT_EQ(model.settings().TMSP_MODE.Str(), "OFF");
}

TEST(LoggerModel, WithoutUsableCardEverySettingsCommandAnswers51) {
  for (SdCard card : {SdCard::kAbsent, SdCard::kProtected}) {
    LoggerModel model = MakeModel({.sdCard = card});
    for (const std::string line :
         {"BDS0-", "BDG0",   "BTG1", "EDS1-", "ETG0", "EIS5", "ESG",  "ELS1", "LEG",  "LESCSV",
          "PMG",   "PTSHMS", "PNG",  "PPG",   "PDS",  "PBG2", "PEG0", "PIG",  "PSS1", "BDS9"}) {
      EXPECT_EQ(model.Answer(line), "51\r") << line;
    }
    // The status and clock commands still work, and nothing was stored.
    EXPECT_EQ(model.Answer("DEA"), "OKKM-62RX\r");
    EXPECT_EQ(model.Answer("TMG"), "OK260305070809\r");
    EXPECT_EQ(model.Answer("XYZ"), "99\r");
    EXPECT_TRUE(model.settings() == settings::DefaultSettings());
  }
}

TEST(LoggerModel, OldFirmwareWinsOverMissingCardForTimestampCommands) {
  LoggerModel model = MakeModel({.firmware = 100, .sdCard = SdCard::kAbsent});
  EXPECT_EQ(model.Answer("PMG"), "01\r");
  EXPECT_EQ(model.Answer("BDG0"), "51\r");
}

TEST(LoggerModel, SettingsLiveAcrossCommandsAndEntriesAreSeparate) {
  LoggerModel model = MakeModel();
  EXPECT_EQ(model.Answer("BDS10D0A"), "OK10D0A\r");
  EXPECT_EQ(model.Answer("BDS2FF"), "OK2FF\r");
  EXPECT_EQ(model.Answer("EIS5000"), "OK5000\r");
  EXPECT_EQ(model.Answer("BDG0"), "OK0-\r");
  EXPECT_EQ(model.Answer("BDG1"), "OK10D0A\r");
  EXPECT_EQ(model.Answer("BDG2"), "OK2FF\r");
  EXPECT_EQ(model.Answer("EDG1"), "OK1-\r");  // stop triggers are a separate list
  EXPECT_EQ(model.settings().START_DATA[1].Str(), "10D0A");
  EXPECT_EQ(model.settings().STOP_IDLETIME.Str(), "5000");
  // A later set replaces the earlier one.
  EXPECT_EQ(model.Answer("BDS1-"), "OK1-\r");
  EXPECT_EQ(model.Answer("BDG1"), "OK1-\r");
}

}  // namespace
}  // namespace km62rx::sim
