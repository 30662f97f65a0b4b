#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_runner.h"

namespace km62rx::testing {
namespace {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "km62rx-clit-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string Write(const std::string& name, const std::string& contents) const {
    const std::string path = path_ + "/" + name;
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }
  std::string Path(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string DefaultFile() {
  std::string file =
      "INFO_NAME=KM-62RX\r\nFILE_EXTENSION=LOG\r\nTIME_CALENDAR=180101000000\r\n"
      "TIME_SET=1\r\n";
  for (int i = 0; i < 3; ++i)
    file += "START_DATA=" + std::to_string(i) + "-\r\n";
  for (int i = 0; i < 7; ++i)
    file += "START_TIME=" + std::to_string(i) + "-\r\n";
  for (int i = 0; i < 3; ++i)
    file += "STOP_DATA=" + std::to_string(i) + "-\r\n";
  for (int i = 0; i < 7; ++i)
    file += "STOP_TIME=" + std::to_string(i) + "-\r\n";
  file += "STOP_IDLETIME=-\r\nSTOP_DATASIZE=-\r\nSTOP_LOGTIME=-\r\nTMSP_MODE=OFF\r\n";
  for (int i = 0; i < 3; ++i)
    file += "TMSP_START_DATA=" + std::to_string(i) + "-\r\n";
  for (int i = 0; i < 3; ++i)
    file += "TMSP_STOP_DATA=" + std::to_string(i) + "-\r\n";
  file +=
      "TMSP_STOP_IDLETIME=-\r\nTMSP_STOP_DATASIZE=-\r\nTMSP_SERIAL_NO=ON\r\nTMSP_TYPE=ALL\r\n"
      "TMSP_SPLIT=,\r\nTMSP_DEL_DATA=\r\n";
  return file;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

TEST(CliFrame, VersionHelpAndUsageErrors) {
  CliRun run = RunKm62rx({"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "km62rx 1.1.0\n");

  for (const char* help : {"--help", "-h"}) {
    run = RunKm62rx({help});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    for (const char* command :
         {"km62rx defaults", "km62rx check FILE", "km62rx ports", "km62rx info --port P",
          "km62rx send --port P FILE", "km62rx receive --port P -o FILE", "km62rx clock --port P",
          "km62rx clock-file FILE --time"}) {
      EXPECT_NE(run.out.find(command), std::string::npos) << command;
    }
  }

  run = RunKm62rx({"check", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("usage: km62rx check FILE\n", 0), 0u) << run.out;

  run = RunKm62rx({});
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("Usage: km62rx"), std::string::npos);

  run = RunKm62rx({"frobnicate"});
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("unknown command frobnicate"), std::string::npos);

  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"defaults", "extra"},
                                             {"defaults", "--port", "x"},
                                             {"check"},
                                             {"check", "a", "b"},
                                             {"check", "--bogus", "a"}}) {
    run = RunKm62rx(args);
    EXPECT_EQ(run.status, 2) << args[0];
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(run.err.rfind("km62rx " + args[0] + ": ", 0), 0u) << run.err;
  }
}

TEST(CliDefaults, WritesTheDefaultFile) {
  const CliRun run = RunKm62rx({"defaults"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, DefaultFile());
  EXPECT_TRUE(run.err.empty());
}

TEST(CliCheck, GoodFileGivesItsRecordAndStatus0) {
  TempFolder folder;
  std::string file = Replace(DefaultFile(), "TMSP_MODE=OFF", "TMSP_MODE=ON");
  file = Replace(file, "TIME_CALENDAR=180101000000\r\nTIME_SET=1",
                 "TIME_CALENDAR=240305140709\r\nTIME_SET=0");
  // LF line ends and leading zeros are normalised in the output.
  std::string input = Replace(file, "STOP_LOGTIME=-\r\n", "STOP_LOGTIME=0060\n");
  const CliRun run = RunKm62rx({"check", folder.Write("A.CFG", input)});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.err.empty()) << run.err;
  EXPECT_EQ(run.out, Replace(file, "STOP_LOGTIME=-", "STOP_LOGTIME=60"));
}

TEST(CliCheck, CheckOfTheDefaultsIsTheDefaults) {
  TempFolder folder;
  const CliRun run = RunKm62rx({"check", folder.Write("D.CFG", DefaultFile())});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, DefaultFile());
}

TEST(CliCheck, BadLinesGiveStatus1AndOneMessageLineEach) {
  TempFolder folder;
  const std::string input =
      "TMSP_MODE=on\r\n"
      "INFO_NAME=KM-62RX\r\n"
      "STOP_LOGTIME=0\r\n"
      "START_DATA=1AA\r\n"
      "START_DATA=1BB\r\n"
      "TIME_CALENDAR=990101235959\r\n";
  const CliRun run = RunKm62rx({"check", folder.Write("B.CFG", input)});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "パラメータエラー: 下記の設定行は無視されました。 TMSP_MODE=on\n"
            "パラメータエラー: ロギング時間トリガーの最小設定値は1秒です。 1秒に変更しました。\n"
            "警告: 下記の設定項目が重複しています。 START_DATA トリガー1 "
            "後に記述された設定が優先されます。\n");
  std::string want = Replace(DefaultFile(), "STOP_LOGTIME=-", "STOP_LOGTIME=1");
  want = Replace(want, "START_DATA=1-", "START_DATA=1BB");
  want = Replace(want, "TIME_CALENDAR=180101000000", "TIME_CALENDAR=990101235959");
  EXPECT_EQ(run.out, want);
}

TEST(CliCheck, UnreadableOrForeignFilesGiveStatus2) {
  TempFolder folder;
  struct Case {
    std::string path;
    std::string err;
  };
  const std::string notSettings = "エラー: 有効なKM-62RX設定ファイルではありません。\n";
  const std::string cannotOpen = "エラー: ファイルを開けませんでした。\n";
  const std::vector<Case> cases{
      {folder.Path("missing.CFG"), cannotOpen},
      {folder.Path(""), cannotOpen},  // a folder
      {folder.Write("empty.CFG", ""), notSettings},
      {folder.Write("lower.CFG", "info_name=KM-62RX\r\n"), notSettings},
      {folder.Write("blank.CFG", " INFO_NAME=KM-62RX\r\n"), notSettings},
      {folder.Write("long.CFG", std::string(100, 'x') + "\r\nINFO_NAME=KM-62RX\r\n"), notSettings},
  };
  for (const Case& c : cases) {
    const CliRun run = RunKm62rx({"check", c.path});
    EXPECT_EQ(run.status, 2) << c.path;
    EXPECT_EQ(run.err, c.err) << c.path;
    EXPECT_TRUE(run.out.empty()) << c.path;
  }
}

TEST(CliCheck, ReadsAPipeThatCannotRewind) {
  const std::string input = "STOP_LOGTIME=60\nINFO_NAME=KM-62RX\nTIME_SET=0\n";
  const CliRun run = RunKm62rx({"check", "/dev/stdin"}, input);
  EXPECT_EQ(run.status, 0) << run.err;
  std::string want = Replace(DefaultFile(), "STOP_LOGTIME=-", "STOP_LOGTIME=60");
  EXPECT_EQ(run.out, Replace(want, "TIME_SET=1", "TIME_SET=0"));
}

}  // namespace
}  // namespace km62rx::testing
