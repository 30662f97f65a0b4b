#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/sim_process.h"

extern char** environ;

namespace km62rx::cli {
namespace {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs the km62rx binary of this build with the arguments.
CliResult RunCli(std::vector<std::string> words) {
  words.insert(words.begin(), testing::CliPath());
  char outTemplate[] = "/tmp/km62rx-cli-out-XXXXXX";
  char errTemplate[] = "/tmp/km62rx-cli-err-XXXXXX";
  const int outFd = mkstemp(outTemplate);
  const int errFd = mkstemp(errTemplate);
  CliResult result;
  if (outFd < 0 || errFd < 0)
    return result;

  std::vector<char*> argv;
  for (std::string& w : words)
    argv.push_back(w.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  close(outFd);
  close(errFd);
  result.out = ReadWhole(outTemplate);
  result.err = ReadWhole(errTemplate);
  unlink(outTemplate);
  unlink(errTemplate);
  return result;
}

TEST(CliDeviceTest, InfoPrintsThePanelLines) {
  testing::SimProcess sim({"--answer-wake", "--firmware", "123", "--sd", "protected"});
  const CliResult r = RunCli({"info", "--port", sim.path()});
  EXPECT_EQ(r.status, kExitDone) << r.err;
  EXPECT_EQ(r.out, "接続状態 : 接続中 (ファームウェア Ver1.23)\nSDカード : 書込保護\n");
  EXPECT_NE(r.err.find("注意: SDカードが書込保護されています。 時刻以外の"), std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("接続しました: 本体時刻 : 20"), std::string::npos) << r.err;
}

TEST(CliDeviceTest, InfoTraceShowsTheWire) {
  testing::SimProcess sim;
  const CliResult r = RunCli({"info", "--port", sim.path(), "--trace", "--parity", "even"});
  EXPECT_EQ(r.status, kExitDone) << r.err;
  EXPECT_NE(r.err.find("> DEA\\r\n< OKKM-62RX\\r\n"), std::string::npos) << r.err;
}

TEST(CliDeviceTest, MissingPortIsALinkFailure) {
  const CliResult r = RunCli({"info", "--port", "/dev/km62rx-no-such-port"});
  EXPECT_EQ(r.status, kExitLink);
  EXPECT_EQ(r.err, "接続エラー: COMポートエラー。\n");
  EXPECT_EQ(r.out, "");
}

TEST(CliDeviceTest, ClockSendsTheTypedTimeClamped) {
  testing::SimProcess sim;
  const CliResult r = RunCli({"clock", "--port", sim.path(), "--time", "2150-00-15 24:07:60"});
  EXPECT_EQ(r.status, kExitDone) << r.err;
  const std::vector<std::string> lines = sim.ReceivedLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "TMS990115230759");
  EXPECT_NE(r.err.find("本体時刻設定: 2099/01/15 23:07:59 に設定しました。"), std::string::npos)
      << r.err;
}

TEST(CliDeviceTest, ClockRefusedByTheLoggerIsAProblem) {
  testing::SimProcess sim({"--answer-wake", "--reply", "TMS=01"});
  const CliResult r = RunCli({"clock", "--port", sim.path()});
  EXPECT_EQ(r.status, kExitProblem);
  EXPECT_NE(r.err.find("応答エラー: ハードウェア設定が不正です。"), std::string::npos) << r.err;
}

TEST(CliDeviceTest, UsageErrors) {
  EXPECT_EQ(RunCli({"clock", "--port", "/dev/null", "--time", "2026-03-05"}).status, kExitUsage);
  EXPECT_EQ(RunCli({"info"}).status, kExitUsage);
  EXPECT_EQ(RunCli({"info", "--port", "x", "--flow", "none"}).status, kExitUsage);
  EXPECT_EQ(RunCli({"ports", "extra"}).status, kExitUsage);
}

TEST(CliDeviceTest, MalformedTimeIsAUsageError) {
  for (const char* bad :
       {"", "2026-03-05", "2026-03-05 07:08", "2026/03/05 07:08:09", "2026-03-05 07:08:09 ",
        "20260-03-05 07:08:09", "2026-03-05T07:08:09", "-2026-03-05 07:08:09"}) {
    const CliResult r = RunCli({"clock", "--port", "/dev/km62rx-no-such-port", "--time", bad});
    EXPECT_EQ(r.status, kExitUsage) << bad;
    EXPECT_EQ(r.err.find("接続エラー"), std::string::npos) << bad;  // never got to the port
  }
}

}  // namespace
}  // namespace km62rx::cli
