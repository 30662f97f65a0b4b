#include <gtest/gtest.h>

#include <string>

#include "settings/settings_format.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

namespace km62rx::testing {
namespace {

const std::string kDefaultFile = settings::FormatSettingsFile(settings::DefaultSettings());

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

class CliCheck : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& contents) const {
    return folder_.Write(name, contents);
  }
  TempFolder folder_;
};

TEST(CliFrame, VersionHelpAndUsageErrors) {
  CliRun run = RunKm62rx({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "km62rx 1.1.0\n");

  run = RunKm62rx({"defaults"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, kDefaultFile);
  EXPECT_TRUE(run.err.empty());
  run = RunKm62rx({"check", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("usage: km62rx check FILE\n", 0), 0u) << run.out;

  // Usage errors go to stderr only, with status 2.
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{}, "Usage: km62rx"},
      {{"frobnicate"}, "km62rx: unknown command frobnicate\n"},
      {{"defaults", "extra"}, "km62rx defaults: "},
      {{"check"}, "km62rx check: "},
  };
  for (const auto& [args, err] : cases) {
    run = RunKm62rx(args);
    EXPECT_EQ(run.status, 2) << err;
    EXPECT_TRUE(run.out.empty()) << err;
    EXPECT_EQ(run.err.rfind(err, 0), 0u) << run.err;
  }
}

TEST_F(CliCheck, GoodFileGivesItsRecordAndItsClockLines) {
  // A Shift_JIS extension comes back byte for byte.
  std::string file = Replace(kDefaultFile, "TMSP_MODE=OFF", "TMSP_MODE=ON");
  file = Replace(file, "FILE_EXTENSION=LOG", "FILE_EXTENSION=\x93\xFA\x41");
  file = Replace(file, "TIME_CALENDAR=180101000000\r\nTIME_SET=1",
                 "TIME_CALENDAR=240305140709\r\nTIME_SET=0");
  // LF line ends and leading zeros are normalised in the output.
  const std::string input = Replace(file, "STOP_LOGTIME=-\r\n", "STOP_LOGTIME=0060\n");
  const CliRun run = RunKm62rx({"check", Write("A.CFG", input)});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.err.empty()) << run.err;
  EXPECT_EQ(run.out, Replace(file, "STOP_LOGTIME=-", "STOP_LOGTIME=60"));
}

TEST_F(CliCheck, BadLinesGiveStatus1AndOneMessageLineEach) {
  const std::string input =
      "TMSP_MODE=on\r\nINFO_NAME=KM-62RX\r\nSTOP_LOGTIME=0\r\nSTART_DATA=1AA\r\nSTART_DATA=1BB\r\n";
  const CliRun run = RunKm62rx({"check", Write("B.CFG", input)});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "パラメータエラー: 下記の設定行は無視されました。 TMSP_MODE=on\n"
            "パラメータエラー: ロギング時間トリガーの最小設定値は1秒です。 1秒に変更しました。\n"
            "警告: 下記の設定項目が重複しています。 START_DATA トリガー1 "
            "後に記述された設定が優先されます。\n");
  EXPECT_EQ(run.out, Replace(Replace(kDefaultFile, "STOP_LOGTIME=-", "STOP_LOGTIME=1"),
                             "START_DATA=1-", "START_DATA=1BB"));
}

TEST_F(CliCheck, UnreadableOrForeignFilesGiveStatus2) {
  const std::string cannotOpen = "エラー: ファイルを開けませんでした。\n";
  const std::vector<std::pair<std::string, std::string>> cases{
      {folder_.File("missing.CFG"), cannotOpen},
      {folder_.path(), cannotOpen},
      {Write("lower.CFG", "info_name=KM-62RX\r\n"),
       "エラー: 有効なKM-62RX設定ファイルではありません。\n"},
      {Write("big.CFG", kDefaultFile + std::string(1 << 20, '#')),
       "エラー: 有効なKM-62RX設定ファイルではありません。\n"}};
  for (const auto& [path, err] : cases) {
    const CliRun run = RunKm62rx({"check", path});
    EXPECT_EQ(run.status, 2) << path;
    EXPECT_EQ(run.err, err) << path;
    EXPECT_TRUE(run.out.empty()) << path;
  }
}

TEST_F(CliCheck, ReadsAPipeThatCannotRewind) {
  for (const char* path : {"/dev/stdin", "-"}) {
    const CliRun run =
        RunKm62rx({"check", path}, "STOP_LOGTIME=60\nINFO_NAME=KM-62RX\nTIME_SET=0\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, Replace(Replace(kDefaultFile, "STOP_LOGTIME=-", "STOP_LOGTIME=60"),
                               "TIME_SET=1", "TIME_SET=0"));
  }
}

}  // namespace
}  // namespace km62rx::testing
