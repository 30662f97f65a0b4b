// The km62rx commands run as a user runs them: on files, on pipes and against the simulator.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "device/link_errors.h"
#include "km62rx_version.h"
#include "settings/settings_format.h"
#include "support/pinned_text.h"
#include "support/ser2net_process.h"
#include "support/sim_process.h"
#include "support/temp_folder.h"

namespace km62rx::testing {
namespace {

// One command line with files in a temporary folder: PORT becomes the simulator's terminal
// (started with --answer-wake and simOptions), PORTLINK a symbolic link to it, NETPORT the
// simulator served by ser2net (socket://127.0.0.1:N), CLOSEDPORT a loopback port nothing listens
// on, IN a file holding fileText (also piped to standard input),
// INLINK a symbolic link to it, OUT a file that does not exist yet, and FIFO a FIFO. Standard
// output goes to the test, or with ">>LOG" is appended to a file that holds kLogLines (which the
// output then is), or with ">CLOSED" goes to a pipe whose reader has gone.
struct ExitCase {
  std::string name;
  std::vector<std::string> simOptions;
  std::vector<std::string> args;
  int status;
  std::vector<std::string> inStderr;
  std::string inStdout;
  std::string fileText;
};

void PrintTo(const ExitCase& c, std::ostream* os) {
  *os << c.name;
}

const std::string kGoodFile = settings::FormatSettingsFile(settings::DefaultSettings());
const std::string kNoPort = "/dev/km62rx-no-such-port";
const std::string kTime = "2026-03-05 07:08:09";
const std::string kCannotOpen = "エラー: ファイルを開けませんでした。\n";
const std::string kNotASettingsFile = "エラー: 有効なKM-62RX設定ファイルではありません。\n";
const std::string kLogLines = "1\n2\n3\n";

ExitCase Run(std::string name, std::vector<std::string> simOptions, std::vector<std::string> args,
             int status, std::vector<std::string> inStderr = {}, std::string inStdout = {},
             std::string fileText = kGoodFile) {
  return {std::move(name),     std::move(simOptions), std::move(args),    status,
          std::move(inStderr), std::move(inStdout),   std::move(fileText)};
}

// Whether a command's output holds text. In the English run a Japanese text
// stands for its translation: the output must then not be empty and hold no
// Japanese at all.
bool Holds(const std::string& output, const std::string& text) {
  if (CurrentLanguage() == Language::kEnglish && HoldsJapanese(text))
    return !output.empty() && !HoldsJapanese(output);
  return output.find(text) != std::string::npos;
}

// The text with the first occurrence of each "from" replaced by the "to" after it.
std::string Replace(std::string text, const std::vector<std::string>& fromTo) {
  for (std::size_t k = 0; k + 1 < fromTo.size(); k += 2)
    text.replace(text.find(fromTo[k]), fromTo[k].size(), fromTo[k + 1]);
  return text;
}

TEST(CliRuns, SendThenReceiveGivesTheSameFile) {
  TempFolder dir;
  const std::string file =  // one changed value of each kind of setting
      Replace(kGoodFile,
              {"START_DATA=1-", "START_DATA=10D0A", "STOP_TIME=0-", "STOP_TIME=071200",
               "STOP_DATASIZE=-", "STOP_DATASIZE=12288", "STOP_LOGTIME=-", "STOP_LOGTIME=93784",
               "FILE_EXTENSION=LOG", "FILE_EXTENSION=TXT", "TMSP_MODE=OFF", "TMSP_MODE=ON",
               "TMSP_TYPE=ALL", "TMSP_TYPE=HMS", "TMSP_DEL_DATA=", "TMSP_DEL_DATA=0D0A"});
  const std::string original = dir.Write("A.CFG", file);
  SimProcess sim;
  const CliRun sent = RunKm62rx({"send", "--port", sim.path(), original});
  EXPECT_EQ(sent.status, 0) << sent.err;
  const CliRun received = RunKm62rx({"receive", "--port", sim.path(), "-o", dir.File("B.CFG")});
  EXPECT_EQ(received.status, 0) << received.err;
  EXPECT_EQ(ReadFile(dir.File("B.CFG")), ReadFile(original));
  EXPECT_EQ(sent.err.find("note:"), std::string::npos) << sent.err;  // nothing changed
  EXPECT_EQ(received.err.find("note:"), std::string::npos) << received.err;
}

// The locale picks the language and nothing else: a locale that is not installed, or C, adds no
// warning to the one box line of a connect.
TEST(CliRuns, LocaleChoosesTheLanguageWithoutWarnings) {
  const auto value = [](const char* name) { return std::string(getenv(name) ? getenv(name) : ""); };
  const std::string saved[] = {value("LC_ALL"), value("LANG")};
  SimProcess sim;
  for (const auto& [lcAll, lang, line] :
       {std::array<const char*, 3>{"", "en_US.UTF-8", "Connected"},
        {"", "xx_YY.UTF-8", "接続しました"},
        {"C", "en_US.UTF-8", "接続しました"},
        {"en_GB", "ja_JP.UTF-8", "Connected"}}) {
    setenv("LC_ALL", lcAll, 1);
    setenv("LANG", lang, 1);
    const CliRun r = RunKm62rx({"info", "--port", sim.path()});
    EXPECT_EQ(r.status, 0) << lang;
    EXPECT_EQ(r.err.rfind(line, 0), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  setenv("LC_ALL", saved[0].c_str(), 1);
  setenv("LANG", saved[1].c_str(), 1);
}

nlohmann::json ParseJson(const std::string& text) {
  const nlohmann::json document = nlohmann::json::parse(text, nullptr, false);
  EXPECT_FALSE(document.is_discarded()) << text;
  return document;
}

// The file of a port's logger in a folder given with -o or --backup.
std::string PortFile(const TempFolder& dir, const std::string& port) {
  return dir.File(std::filesystem::path(port).filename().string() + ".CFG");
}

TEST(CliRuns, EachOfSeveralLoggersGoesItsOwnWay) {
  TempFolder dir;
  SimProcess good, differs({"--answer-wake", "--reply", "BDG1=OK1-"});
  const std::string file =
      dir.Write("A", Replace(kGoodFile, {"START_DATA=1-", "START_DATA=10D0A"}));
  const CliRun r = RunKm62rx({"send", "--port", good.path() + "," + differs.path(), "--port",
                              kNoPort, "--backup", dir.path().string(), file});
  EXPECT_EQ(r.status, 3) << r.err;
  for (const std::string& line :
       {good.path() + ": 17/17 ", differs.path() + ": mismatch: START_DATA[1]: sent",
        "summary: " + good.path() + ": done (exit status 0)\n",
        "summary: " + differs.path() + ": problem (exit status 1)\n",
        "summary: " + kNoPort + ": link failed (exit status 3)\n"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line << r.out;
  const device::LinkErrorBox portError =
      device::LinkErrorMessage(device::LinkNotice::kPortNotOpened);
  EXPECT_TRUE(Holds(r.err, kNoPort + ": " + portError.title + ": " + portError.text + "\n"));
  std::istringstream lines(r.out);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_TRUE(line.starts_with(good.path() + ": ") || line.starts_with(differs.path() + ": ") ||
                line.starts_with("summary: "))
        << line;
  }
  EXPECT_EQ(ReadFile(PortFile(dir, good.path())), kGoodFile);  // the backups, before the send
  EXPECT_EQ(ReadFile(PortFile(dir, differs.path())), kGoodFile);
}

TEST(CliRuns, JsonOfOneAndOfSeveralLoggers) {
  TempFolder dir;
  SimProcess first, second({"--answer-wake", "--firmware", "123", "--sd", "protected"});
  const CliRun two = RunKm62rx({"receive", "--json", "--port", first.path(), "--port",
                                second.path(), "-o", dir.path().string()});
  EXPECT_EQ(two.status, 1) << two.err;  // a protected card: no run
  const nlohmann::json many = ParseJson(two.out);
  EXPECT_EQ(many["command"], "receive");
  EXPECT_EQ(many["exit_status"], 1);
  const nlohmann::json loggers = many["loggers"];
  ASSERT_EQ(loggers.size(), 2u);
  EXPECT_EQ(loggers[0]["port"], first.path());
  EXPECT_EQ(loggers[0]["result"], "done");
  EXPECT_EQ(loggers[1]["firmware"], "1.23");
  EXPECT_EQ(loggers[1]["sd_card"]["write_protected"], true);
  EXPECT_EQ(ReadFile(PortFile(dir, first.path())), kGoodFile);
  EXPECT_FALSE(std::filesystem::exists(PortFile(dir, second.path())));

  const std::string sizeFile =
      dir.Write("A", Replace(kGoodFile, {"STOP_DATASIZE=-", "STOP_DATASIZE=12345"}));
  const CliRun one = RunKm62rx({"diff", "--json", "--port", first.path(), sizeFile});
  EXPECT_EQ(one.status, 1) << one.err;
  const nlohmann::json difference = ParseJson(one.out)["loggers"][0]["differences"][0];
  EXPECT_EQ(
      difference,
      (nlohmann::json{
          {"setting", "STOP_DATASIZE"}, {"file", "12345"}, {"sent", "12288"}, {"logger", "-"}}));
  EXPECT_TRUE(ParseJson(RunKm62rx({"ports", "--json"}).out)["ports"].is_array());
}

std::vector<ExitCase> ExitCases() {
  const std::vector<std::string> send = {"send", "--port", "PORT", "IN"};
  const std::vector<std::string> receive = {"receive", "--port", "PORT", "-o", "OUT"};
  const std::vector<std::string> info = {"info", "--port", "PORT"};
  const std::vector<std::string> check = {"check", "IN"};
  // 12345 bytes: shown as 12 KByte, sent and saved as 12288.
  const std::string sizeFile = Replace(kGoodFile, {"STOP_DATASIZE=-", "STOP_DATASIZE=12345"});
  const std::string pipedFile = "STOP_LOGTIME=60\nINFO_NAME=KM-62RX\nTIME_SET=0\n";
  const std::string pipedOut =
      Replace(kGoodFile, {"STOP_LOGTIME=-", "STOP_LOGTIME=60", "TIME_SET=1", "TIME_SET=0"});
  // A Shift_JIS extension comes back byte for byte; line ends and leading zeros are normalised.
  const std::string sjisFile =
      Replace(pipedOut, {"FILE_EXTENSION=LOG", "FILE_EXTENSION=\x93\xFA\x41"});
  const std::string dataFile = Replace(kGoodFile, {"START_DATA=1-", "START_DATA=10d0A"});
  const std::vector<std::string> diff = {"diff", "--port", "PORT", "IN"};
  const std::string timestampFile = Replace(kGoodFile, {"TMSP_MODE=OFF", "TMSP_MODE=ON"});
  return {
      Run("Version", {}, {"--version"}, 0, {}, "km62rx " KM62RX_VERSION "\n"),
      Run("Defaults", {}, {"defaults"}, 0, {}, kGoodFile),
      Run("UsageNoCommand", {}, {}, 2, {"Usage: km62rx"}),
      Run("UsageUnknownCommand", {}, {"frobnicate"}, 2, {"km62rx: unknown command frobnicate\n"}),
      Run("CheckNormalises", {}, check, 0, {}, sjisFile,
          Replace(sjisFile, {"STOP_LOGTIME=60\r\n", "STOP_LOGTIME=0060\n"})),
      Run("CheckBadLines", {}, check, 1,
          // Each box on a line of its own (their texts: settings_reader_test).
          {"パラメータエラー: 下記の設定行は無視されました。 TMSP_MODE=on\nパラメータエラー: "},
          Replace(kGoodFile,
                  {"STOP_LOGTIME=-", "STOP_LOGTIME=1", "START_DATA=1-", "START_DATA=1BB"}),
          "TMSP_MODE=on\r\nINFO_NAME=KM-62RX\r\nSTOP_LOGTIME=0\r\nSTART_DATA=1AA\r\n"
          "START_DATA=1BB\r\n"),
      Run("CheckMissingFile", {}, {"check", "OUT"}, 2, {kCannotOpen}),
      // A file's size limit is the window's (file_commands_test); a stream has its own.
      Run("CheckStdinOverOneMiB", {}, {"check", "-"}, 2, {kNotASettingsFile}, "",
          kGoodFile + std::string(1 << 20, '#')),
      // A file that lacks lines is read with defaults, but each missing setting is told.
      Run("CheckStdin", {}, {"check", "-"}, 1,
          {"note: START_DATA[2]: the file has no line for it; its default \"2-\" is used\n"},
          pipedOut, pipedFile),
      Run("CheckDevStdin", {}, {"check", "/dev/stdin"}, 1, {}, pipedOut, pipedFile),
      Run("SendFromStdinKeepsTheFilesBytes",
          {"--reply", "LES=OK\x93\xFA\x41", "--reply", "LEG=OK\x93\xFA\x41"},
          {"send", "--port", "PORT", "--trace", "-"}, 1, {"> LES\x93\xFA\x41\\r\n"}, "",
          "INFO_NAME=KM-62RX\r\nFILE_EXTENSION=\x93\xFA\x41\r\n"),
      Run("SendRefusedEntryAndGoesOn", {"--reply", "BTS1=05"}, send, 1,
          {"応答エラー: エラーが発生しました。 (コード : 05)\n設定エラー: "
           "開始トリガー(時刻)は正しく"
           "設定できなかった可能性があります。\n設定完了"},
          "2/17 開始トリガー(時刻): failed\n3/17 "),
      Run("SendReaderReport", {}, send, 1, {"ファイル読込完了"}, "",
          kGoodFile + "NO_SUCH_KEY=1\r\n"),
      Run("SendLinkBreaks", {"--hangup-after", "10"}, send, 3,
          {"接続エラー: 設定の送信中に接続エラーが発生しました。 不完全な設定が本体に反映された"
           "可能性があります。 接続を確認して再度設定を試みてください。"}),
      Run("SendSdCardAbsent", {"--sd", "absent"}, send, 1,
          {"注意: SDカードが挿入されていません。"}),
      Run("SendOldFirmware", {"--firmware", "100"}, send, 0, {"設定完了"},
          "8/8 ロギング設定: ok\n"),
      Run("ReceiveSdCardError", {"--reply", "LEG=51"}, receive, 3,
          {"接続エラー: 設定の受信中に接続エラーが発生しました。 接続を確認してください。"},
          "8/17 ロギング設定: link failed\n"),
      // A rounded size is a note, not a problem.
      Run("SendNotesARoundedSize", {}, send, 0,
          {"設定完了: 本体への設定送信が完了しました。\n",
           "note: STOP_DATASIZE: \"12345\" in the file is sent as \"12288\"\n"},
          "", sizeFile),
      Run("ReceiveNotesARoundedSize", {"--reply", "ESG=OK10239600"}, receive, 0,
          {"取得完了: 本体からの設定取得が完了しました。\n",
           "設定保存: 設定ファイルを書き出しました。",
           "note: STOP_DATASIZE: \"10239600\" in the logger is saved as \"10238976\"\n"}),
      Run("SendVerifyCatchesAMismatch", {"--reply", "BDG1=OK1-"}, send, 1, {},
          "mismatch: START_DATA[1]: sent \"10D0A\", the logger holds \"1-\"\n", dataFile),
      Run("SendBackupBeforeAnySet", {},
          {"send", "--port", "PORT", "--trace", "--backup", "OUT", "IN"}, 0,
          {"設定保存: 設定ファイルを書き出しました。\n> BDS0-\\r\n"}),
      Run("SendBackupUnwritable", {},
          {"send", "--port", "PORT", "--backup", "/nonexistent-dir/B", "IN"}, 2,
          {"エラー: ファイルを開けませんでした。"}),
      Run("DiffShowsTheValueSent", {}, diff, 1, {},
          "STOP_DATASIZE: file \"12345\" (sent as \"12288\"), logger \"-\"\n", sizeFile),
      Run("ReceiveWithoutOutput", {}, {"receive", "--port", "PORT"}, 2, {"-o"}),
      Run("ReceiveIntoFifo", {}, {"receive", "--port", "PORT", "-o", "FIFO"}, 2, {kCannotOpen}),
      Run("ReceiveToStdout", {}, {"receive", "--port", "PORT", "-o", "-"}, 0, {"取得完了"},
          kGoodFile),
      Run("InfoPanelLines", {"--firmware", "123", "--sd", "protected"}, info, 0,
          {"注意: SDカードが書込保護されています。 時刻以外の", "接続しました: 本体時刻 : 20"},
          "接続状態 : 接続中 (ファームウェア Ver1.23)\nSDカード : 書込保護\n"),
      Run("InfoTraceShowsTheWire", {}, {"info", "--port", "PORT", "--trace", "--parity", "even"}, 0,
          {"> DEA\\r\n< OKKM-62RX\\r\n"}),
      Run("UsageSamePortTwiceThroughALink", {}, {"info", "--port", "PORT", "--port", "PORTLINK"}, 2,
          {"PORTLINK given twice"}),
      Run("UsageSeveralPortsNeedAFolder", {},
          {"receive", "--port", "PORT", "--port", kNoPort, "-o", "OUT"}, 2,
          {"must be an existing folder"}),
      Run("SendThroughSer2netIgnoresLineOptions", {},
          {"send", "--port", "NETPORT", "--trace", "--baud", "600", "IN"}, 0,
          {"> DEA\\r\n< OKKM-62RX\\r\n", "設定完了"}),
      Run("InfoNetworkAndLocalPortsTogether", {},
          {"info", "--port", "NETPORT", "--port", "CLOSEDPORT", "--port", kNoPort}, 3,
          {" refused the connection", kNoPort + ": km62rx: there is no port"},
          ": done (exit status 0)\nsummary: socket://127.0.0.1:"),
      Run("InfoNetworkPortRefused", {}, {"info", "--port", "CLOSEDPORT"}, 3,
          {"接続エラー: COMポートエラー。\nkm62rx: 127.0.0.1 port ", " refused the connection"}),
      Run("ClockTypedTimeIsClamped", {},
          {"clock", "--port", "PORT", "--time", "2150-00-15 24:07:60"}, 0,
          {"本体時刻設定: 2099/01/15 23:07:59 に設定しました。"}),
      Run("UsageTimeEmpty", {}, {"clock", "--port", "PORT", "--time", ""}, 2, {"--time must be"}),
      Run("UsageTimeWithoutSeconds", {}, {"clock", "--port", "PORT", "--time", "2026-03-05 07:08"},
          2, {"--time must be"}),
      Run("UsageTimeWithABlankAfter", {}, {"clock", "--port", "PORT", "--time", kTime + " "}, 2,
          {"--time must be"}),
      Run("ClockRefused", {"--reply", "TMS=01"}, {"clock", "--port", "PORT"}, 1,
          {"応答エラー: ハードウェア設定が不正です。"}),
      Run("ClockFileForeign", {}, {"clock-file", "IN", "--time", kTime}, 2, {kNotASettingsFile}, "",
          "hello\r\n"),
      Run("UsageClockFileStdin", {}, {"clock-file", "-", "--time", kTime}, 2, {"FILE cannot be -"}),
      Run("ClockFileClampTold", {}, {"clock-file", "IN", "--time", "2030-02-31 25:00:00"}, 0,
          {"note: --time: hour 25 is set to 23 (the clock takes 00 to 23)\n",
           "note: --time: day 31 is set to 28 (the last day of 2030-02)\n",
           "設定保存: 設定ファイルに書き出しました。"}),
      // What must never be lost: the file sent, a stream's contents, a good file, the run.
      Run("UsageBackupIsTheFileSent", {}, {"send", "--port", "PORT", "--backup", "INLINK", "IN"}, 2,
          {"INLINK is the settings file being sent"}),
      Run("UsageBackupIsStandardInput", {},
          {"send", "--port", "PORT", "--backup", "/dev/stdin", "-"}, 2,
          {"is the settings file being sent (standard input)"}),
      Run("UsageBackupToStandardError", {},
          {"send", "--port", "PORT", "--backup", "/proc/self/fd/2", "IN"}, 2,
          {"leads to standard error"}),
      Run("UsageOutputToStandardInput", {}, {"receive", "--port", "PORT", "-o", "/dev/fd/0"}, 2,
          {"leads to standard input"}),
      Run("ReceiveToDevStdoutIsDashO", {},
          {"receive", "--port", "PORT", "-o", "/dev/stdout", ">>LOG"}, 0, {"取得完了"}, kGoodFile),
      Run("SendToAClosedReaderFinishes", {}, {"send", "--port", "PORT", "IN", ">CLOSED"}, 1,
          {"km62rx: standard output failed (Broken pipe)", "設定完了"}),
      Run("JsonToAClosedReaderIsDataLost", {},
          {"send", "--json", "--port", "PORT", "IN", ">CLOSED"}, 2, {"設定完了"}),
      Run("SendFailedBackupSendsNothing", {"--reply", "ESG=NG"},
          {"send", "--port", "PORT", "--backup", "OUT", "IN"}, 1, {"OUT.CFG was left as it was"}),
      Run("ReceiveHalfReadKeepsTheFile", {"--reply", "ESG=NG"},
          {"receive", "--port", "PORT", "-o", "IN"}, 1,
          {"読込エラー: 停止トリガー(データサイズ)は正しく取得できなかった可能性があります。",
           "IN.CFG was left as it was: the logger did not give STOP_DATASIZE\n"},
          "6/17 停止トリガー(データサイズ): failed\n", sizeFile),
      Run("SendLackingLines", {}, send, 1,
          {"note: TMSP_DEL_DATA: the file has no line for it; its default \"\" is used\n"}, "",
          kGoodFile.substr(0, kGoodFile.find("TMSP_MODE"))),
      // Failures that must not pass for success.
      Run("DiffDamagedReplies", {"--extra", "\r"}, diff, 1, {"読込エラー"},
          "TMSP_SPLIT: file \",\", logger nothing (it could not be read)\n"),
      Run("DiffReaderReport", {}, diff, 1, {"パラメータエラー"}, "",
          Replace(kGoodFile, {"TMSP_SPLIT=,", "TMSP_SPLIT=abc"})),
      Run("ClockNotTaken", {"--reply", "TMS=OK180101000000"},
          {"clock", "--port", "PORT", "--time", kTime}, 1, {},
          "mismatch: clock: sent \"2026/03/05 07:08:09\", the logger holds \"2018/01/01 "
          "00:00:00\"\n"),
      Run("DiffOldFirmwareTimestamp", {"--firmware", "100"}, diff, 1, {},
          "TMSP_MODE: file \"ON\", not applied: the logger has no time-stamp function\n",
          timestampFile),
      Run("SendOldFirmwareTimestamp", {"--firmware", "100"}, send, 1,
          {"note: TMSP_MODE: \"ON\" in the file is not applied: the logger has no time-stamp "
           "function\n"},
          "", timestampFile),
      // Control bytes are shown, never obeyed.
      Run("CheckControlBytesShown", {}, check, 1, {"BAD\\x1B]0;x\\x07\\x00\\u0085="}, "",
          kGoodFile + std::string("BAD\x1B]0;x\a\0\xC2\x85=1\r\n", 15)),
      Run("UsagePortWithControlBytes", {}, {"info", "--port", "ttyS0\x1B[2J"}, 2,
          {"port name ttyS0\\x1B[2J holds a control character"}),
  };
}

// The ports of the ports file come after those found, each device once, whatever name the file
// gives it. A file that is no regular file, or is over 64 KiB, is ignored with one note and never
// waited on.
TEST(CliRuns, PortsListsThePortsFileAfterThePortsFoundEachDeviceOnce) {
  if (UnderWine())
    GTEST_SKIP() << "FIFOs, links and XDG_CONFIG_HOME are POSIX's";
  TempFolder home;
  std::filesystem::create_directory(home.path() / "km62rx");
  const std::string file = home.File("km62rx/ports");
  SimProcess sim;
  ASSERT_EQ(symlink(sim.path().c_str(), home.File("link").c_str()), 0);
  const std::string found = RunKm62rx({"ports"}).out;  // this machine's own ports
  const std::string foundDevice = found.empty() ? "" : "/dev/" + found.substr(0, found.find('\n'));
  const std::string listed = "socket://127.0.0.1:4001\nsocket://[::1]:4002\n" + sim.path() + "\n";
  const std::string text = "# the lab\n" + listed + home.File("link") +
                           "\nsocket://127.0.0.1:4001 # again\n" + foundDevice + "\n";
  const std::string full = text + std::string((64 << 10) - text.size(), '#');  // just 64 KiB
  // The file as written (FIFO: a FIFO in its place), and what it gives.
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {full, found + listed, ""},
      {full + "#", found, "larger than 64 KiB"},
      {"FIFO", found, "not a regular file"},
  };
  setenv("XDG_CONFIG_HOME", Utf8(home.path()).c_str(), 1);
  for (const auto& [contents, out, why] : cases) {
    std::filesystem::remove(file);
    if (contents == "FIFO")
      ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    else
      WriteFile(file, contents);
    const CliRun r = RunKm62rx({"ports"});
    EXPECT_EQ(r.out, out) << why;
    const std::string line = "km62rx: note: ignoring " + file + ": " + why + "\n";
    const std::size_t note = r.err.find(why.empty() ? "note:" : line);
    EXPECT_EQ(note == std::string::npos, why.empty()) << r.err;
    EXPECT_TRUE(why.empty() || r.err.find("note:", note + 14) == std::string::npos) << r.err;
  }
  unsetenv("XDG_CONFIG_HOME");
}

class CliExit : public ::testing::TestWithParam<ExitCase> {};

// Whether a case needs links, FIFOs, a reader that goes away or names such as /dev/stdin.
bool PosixOnly(const ExitCase& c) {
  for (const std::string& arg : c.args) {
    if (arg.ends_with("LINK") || arg == "FIFO" || arg == ">CLOSED" || arg.starts_with("/proc/") ||
        (arg.starts_with("/dev/") && arg != kNoPort))
      return true;
  }
  return false;
}

TEST_P(CliExit, StatusAndMessages) {
  const ExitCase& c = GetParam();
  if (UnderWine() && PosixOnly(c))
    GTEST_SKIP() << "a case of POSIX's own";
  TempFolder dir;
  WriteFile(dir.File("IN.CFG"), c.fileText);
  std::optional<SimProcess> sim;
  std::optional<Ser2netProcess> ser2net;
  std::vector<std::string> args;
  std::string stdoutTo;
  for (const std::string& arg : c.args) {
    if (arg == "NETPORT" && !Ser2netProcess::Installed())
      GTEST_SKIP() << "ser2net is not installed";
    if ((arg.starts_with("PORT") || arg == "NETPORT") && !sim) {
      std::vector<std::string> options = c.simOptions;
      options.insert(options.begin(), "--answer-wake");
      sim.emplace(options);
    }
    if (arg == "PORT")
      args.push_back(sim->path());
    else if (arg == "NETPORT")
      args.push_back(ser2net.emplace(sim->terminal()).portName());
    else if (arg == "CLOSEDPORT")
      args.push_back("socket://127.0.0.1:" + std::to_string(FreeLoopbackPort()));
    else if (arg == "PORTLINK" && symlink(sim->path().c_str(), dir.File(arg).c_str()) == 0)
      args.push_back(dir.File(arg));
    else if (arg == "IN" || arg == "OUT")
      args.push_back(dir.File(arg + ".CFG"));
    else if (arg == "INLINK" && symlink(dir.File("IN.CFG").c_str(), dir.File(arg).c_str()) == 0)
      args.push_back(dir.File(arg));
    else if (arg == "FIFO" && mkfifo(dir.File(arg).c_str(), 0600) == 0)
      args.push_back(dir.File(arg));
    else if (arg == ">>LOG")
      stdoutTo = ">>" + dir.Write("LOG", kLogLines);
    else if (arg == ">CLOSED" && mkfifo(dir.File("PIPE").c_str(), 0600) == 0)
      // Opened for reading and writing, then for writing, then the one reader closed.
      stdoutTo = "3<>" + dir.File("PIPE") + " 4>" + dir.File("PIPE") + " >&4 3<&- 4>&-";
    else
      args.push_back(arg);
  }
  CliRun output = RunKm62rx(args, ReadFile(dir.File("IN.CFG")), stdoutTo);
  if (stdoutTo.starts_with(">>")) {
    EXPECT_EQ(output.out, "");
    output.out = ReadFile(dir.File("LOG"));
    EXPECT_EQ(output.out, kLogLines + c.inStdout);  // kept, and nothing but the data after it
  }
  EXPECT_EQ(output.status, c.status) << output.err;
  for (const std::string& text : c.inStderr)
    EXPECT_TRUE(Holds(output.err, text)) << output.err;
  EXPECT_TRUE(Holds(output.out, c.inStdout)) << output.out;
  // Control bytes from a file, a reply or a name never reach the terminal as they are.
  EXPECT_EQ(output.err.find('\x1B'), std::string::npos) << output.err;
  if (c.status != 0) {  // a refused file, and one a failed run would have replaced, is untouched
    EXPECT_EQ(ReadFile(dir.File("IN.CFG")), c.fileText);
  }
  if (c.status == 2) {
    EXPECT_TRUE(sim || output.out.empty()) << output.out;  // usage and file errors: stderr only
  }
  if (c.name.starts_with("Usage")) {  // a usage error touches no logger
    EXPECT_EQ(sim ? sim->ReceivedLines() : std::vector<std::string>(), std::vector<std::string>());
  }
  for (const std::string& line :
       c.name.ends_with("SendsNothing") ? sim->ReceivedLines() : std::vector<std::string>())
    EXPECT_TRUE(line.size() < 3 || line[2] != 'S') << line;  // no setting was set
  if (c.status == 3) {
    EXPECT_FALSE(std::filesystem::exists(dir.File("OUT.CFG")));  // no half-received file
  }
}

INSTANTIATE_TEST_SUITE_P(Commands, CliExit, ::testing::ValuesIn(ExitCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace km62rx::testing
