// km62rx send, receive and clock-file, run as a user runs them, against the
// simulator.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "settings/logger_settings.h"
#include "settings/settings_file.h"
#include "sim_connection.h"

namespace km62rx::testing {
namespace {

using settings::LoggerSettings;

LoggerSettings ChangedSettings() {
  LoggerSettings s = settings::DefaultSettings();
  s.START_DATA[1] = "10D0A";
  s.START_TIME[3] = "300830";
  s.STOP_DATA[2] = "2414243";
  s.STOP_TIME[0] = "071200";
  s.STOP_IDLETIME = "5000";
  s.STOP_DATASIZE = "12288";
  s.STOP_LOGTIME = "93784";
  s.FILE_EXTENSION = "TXT";
  s.TMSP_MODE = "ON";
  s.TMSP_START_DATA[0] = "0FF";
  s.TMSP_STOP_DATA[1] = "10A";
  s.TMSP_STOP_IDLETIME = "100";
  s.TMSP_STOP_DATASIZE = "10485760";
  s.TMSP_SERIAL_NO = "OFF";
  s.TMSP_TYPE = "HMS";
  s.TMSP_SPLIT = ";";
  s.TMSP_DEL_DATA = "0D0A";
  return s;
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

LoggerSettings ParseFile(const std::string& path, int& reports) {
  std::ifstream in(path, std::ios::binary);
  LoggerSettings settings;
  RecordingNotifier boxes;
  settings::ParseSettings(in, settings, boxes);
  reports = static_cast<int>(boxes.boxes.size());
  // The reader leaves the clock lines to the writer's rule; take them here.
  EXPECT_TRUE(settings::ReadFileClockFields(path, settings));
  return settings;
}

int CountLines(const std::string& text) {
  int lines = 0;
  for (char c : text)
    lines += c == '\n';
  return lines;
}

CommandOutput Km62rx(std::vector<std::string> args) {
  args.insert(args.begin(), CliPath());
  return RunCommand(args);
}

TEST(CliRuns, SendThenReceiveGivesTheSameSettings) {
  TempDir dir;
  const LoggerSettings original = ChangedSettings();
  WriteText(dir.File("A.CFG"), settings::FormatSettingsFile(original));
  SimProcess sim({"--answer-wake"});

  const CommandOutput sent = Km62rx({"send", "--port", sim.path(), dir.File("A.CFG")});
  EXPECT_EQ(sent.status, 0) << sent.err;
  EXPECT_EQ(CountLines(sent.out), 17);
  EXPECT_NE(sent.out.find("1/17 開始トリガー(データ): ok\n"), std::string::npos) << sent.out;
  EXPECT_NE(sent.err.find("設定完了: 本体への設定送信が完了しました。\n"), std::string::npos);

  const CommandOutput received = Km62rx({"receive", "--port", sim.path(), "-o", dir.File("B.CFG")});
  EXPECT_EQ(received.status, 0) << received.err;
  EXPECT_EQ(CountLines(received.out), 17);
  EXPECT_NE(received.err.find("取得完了: 本体からの設定取得が完了しました。\n"), std::string::npos);
  int reports = 0;
  EXPECT_EQ(ParseFile(dir.File("B.CFG"), reports), original);
  EXPECT_EQ(reports, 0);

  // The file the logger gave back checks exactly like the one sent.
  const CommandOutput checkA = Km62rx({"check", dir.File("A.CFG")});
  const CommandOutput checkB = Km62rx({"check", dir.File("B.CFG")});
  EXPECT_EQ(checkA.status, 0);
  EXPECT_EQ(checkA.out, checkB.out);
}

struct ExitCase {
  std::string name;
  std::vector<std::string> simOptions;  // empty: no simulator, the port does not exist
  std::vector<std::string> args;        // PORT, IN and OUT are replaced
  std::string fileText;                 // written to IN
  int status;
  std::string inStderr;
  std::string inStdout = {};
};

const std::string kGoodFile = settings::FormatSettingsFile(settings::DefaultSettings());

std::vector<ExitCase> ExitCases() {
  return {
      {"SendDone", {"--answer-wake"}, {"send", "--port", "PORT", "IN"}, kGoodFile, 0, "設定完了"},
      {"SendMissingFile",
       {"--answer-wake"},
       {"send", "--port", "PORT", "MISSING"},
       kGoodFile,
       2,
       "エラー: ファイルを開けませんでした。"},
      {"SendNoHeader",
       {"--answer-wake"},
       {"send", "--port", "PORT", "IN"},
       "FILE_EXTENSION=LOG\r\n",
       2,
       "エラー: 有効なKM-62RX設定ファイルではありません。"},
      {"SendNoPort", {}, {"send", "IN"}, kGoodFile, 2, "--port"},
      {"SendPortMissing",
       {},
       {"send", "--port", "/dev/km62rx-no-such-port", "IN"},
       kGoodFile,
       3,
       "接続エラー: COMポートエラー。"},
      {"SendRefusedEntry",
       {"--answer-wake", "--reply", "BTS1=05"},
       {"send", "--port", "PORT", "IN"},
       kGoodFile,
       1,
       "設定エラー: 開始トリガー(時刻)は正しく設定できなかった可能性があります。",
       "2/17 開始トリガー(時刻): failed\n"},
      {"SendReaderReport",
       {"--answer-wake"},
       {"send", "--port", "PORT", "IN"},
       kGoodFile + "NO_SUCH_KEY=1\r\n",
       1,
       "ファイル読込完了"},
      {"SendLinkBreaks",
       {"--answer-wake", "--hangup-after", "10"},
       {"send", "--port", "PORT", "IN"},
       kGoodFile,
       3,
       "接続エラー: 設定の送信中に接続エラーが発生しました。 不完全な設定が本体に反映された"
       "可能性があります。 接続を確認して再度設定を試みてください。"},
      {"SendSdCardAbsent",
       {"--answer-wake", "--sd", "absent"},
       {"send", "--port", "PORT", "IN"},
       kGoodFile,
       1,
       "注意: SDカードが挿入されていません。"},
      {"ReceiveDone",
       {"--answer-wake"},
       {"receive", "--port", "PORT", "-o", "OUT"},
       "",
       0,
       "設定保存: 設定ファイルを書き出しました。"},
      {"ReceiveOldFirmware",
       {"--answer-wake", "--firmware", "100"},
       {"receive", "--port", "PORT", "-o", "OUT"},
       "",
       0,
       "取得完了",
       "8/8 ロギング設定: ok\n"},
      {"ReceiveItemFailure",
       {"--answer-wake", "--reply", "ESG=NG"},
       {"receive", "--port", "PORT", "-o", "OUT"},
       "",
       1,
       "読込エラー: 停止トリガー(データサイズ)は正しく取得できなかった可能性があります。",
       "6/17 停止トリガー(データサイズ): failed\n"},
      {"ReceiveSdCardError",
       {"--answer-wake", "--reply", "LEG=51"},
       {"receive", "--port", "PORT", "-o", "OUT"},
       "",
       3,
       "接続エラー: 設定の受信中に接続エラーが発生しました。 接続を確認してください。",
       "8/17 ロギング設定: link failed\n"},
      {"ReceiveWithoutOutput", {"--answer-wake"}, {"receive", "--port", "PORT"}, "", 2, "-o"},
      {"ReceiveUnwritable",
       {"--answer-wake"},
       {"receive", "--port", "PORT", "-o", "/nonexistent-dir/B.CFG"},
       "",
       2,
       "エラー: ファイルを開けませんでした。"},
  };
}

class CliExit : public ::testing::TestWithParam<ExitCase> {};

TEST_P(CliExit, StatusAndMessages) {
  const ExitCase& c = GetParam();
  TempDir dir;
  WriteText(dir.File("IN.CFG"), c.fileText);
  std::optional<SimProcess> sim;
  if (!c.simOptions.empty())
    sim.emplace(c.simOptions);
  std::vector<std::string> args;
  for (const std::string& arg : c.args) {
    if (arg == "PORT") {
      args.push_back(sim ? sim->path() : "");
    } else if (arg == "IN") {
      args.push_back(dir.File("IN.CFG"));
    } else if (arg == "MISSING") {
      args.push_back(dir.File("MISSING.CFG"));
    } else if (arg == "OUT") {
      args.push_back(dir.File("OUT.CFG"));
    } else {
      args.push_back(arg);
    }
  }
  const CommandOutput output = Km62rx(args);
  EXPECT_EQ(output.status, c.status) << output.err;
  EXPECT_NE(output.err.find(c.inStderr), std::string::npos) << output.err;
  EXPECT_NE(output.out.find(c.inStdout), std::string::npos) << output.out;
}

INSTANTIATE_TEST_SUITE_P(Commands, CliExit, ::testing::ValuesIn(ExitCases()),
                         [](const auto& info) { return info.param.name; });

TEST(CliClockFile, StoresTheTimeAndKeepsTheSettings) {
  TempDir dir;
  const std::string path = dir.File("SETTING.CFG");
  WriteText(path, settings::FormatSettingsFile(ChangedSettings()));
  const CommandOutput output = Km62rx({"clock-file", path, "--time", "2026-03-05 07:08:09"});
  EXPECT_EQ(output.status, 0) << output.err;
  EXPECT_NE(output.err.find("設定保存: 設定ファイルに書き出しました。"), std::string::npos);
  int reports = 0;
  LoggerSettings expected = ChangedSettings();
  expected.TIME_CALENDAR = "260305070809";
  expected.TIME_SET = 0;
  EXPECT_EQ(ParseFile(path, reports), expected);
}

TEST(CliClockFile, FieldsAreClampedAsInTheDialog) {
  TempDir dir;
  const std::string path = dir.File("NEW.CFG");
  const CommandOutput output = Km62rx({"clock-file", path, "--time", "1999-13-00 24:60:61"});
  EXPECT_EQ(output.status, 0) << output.err;
  int reports = 0;
  LoggerSettings expected = settings::DefaultSettings();
  expected.TIME_CALENDAR = "001201235959";
  expected.TIME_SET = 0;
  EXPECT_EQ(ParseFile(path, reports), expected);
}

TEST(CliClockFile, ReaderReportsGiveStatusOne) {
  TempDir dir;
  const std::string path = dir.File("SETTING.CFG");
  WriteText(path, kGoodFile + "NO_SUCH_KEY=1\r\n");
  const CommandOutput output = Km62rx({"clock-file", path, "--time", "2030-01-02 03:04:05"});
  EXPECT_EQ(output.status, 1) << output.err;
}

TEST(CliClockFile, UsageErrors) {
  TempDir dir;
  EXPECT_EQ(Km62rx({"clock-file", dir.File("A.CFG")}).status, 2);
  EXPECT_EQ(Km62rx({"clock-file", dir.File("A.CFG"), "--time", "2026-03-05"}).status, 2);
  EXPECT_EQ(Km62rx({"clock-file", "--time", "2026-03-05 07:08:09"}).status, 2);
  EXPECT_EQ(
      Km62rx({"clock-file", "/nonexistent-dir/A.CFG", "--time", "2026-03-05 07:08:09"}).status, 2);
}

}  // namespace
}  // namespace km62rx::testing
