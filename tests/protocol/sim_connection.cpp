#include "sim_connection.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "device/connection.h"
#include "device/link.h"

extern char** environ;

namespace km62rx::testing {

SimConnection::SimConnection(std::vector<std::string> simOptions)
    : sim([&] {
        simOptions.insert(simOptions.begin(), "--answer-wake");
        return simOptions;
      }()) {
  if (sim.path().empty())
    return;
  const int opened = device::OpenDevicePort(link, sim.path(), device::LineSettings{});
  EXPECT_EQ(opened, device::kLinkOk) << "connect to " << sim.path();
  if (opened != device::kLinkOk)
    return;
  connected = device::QueryDeviceStatus(link, connectBoxes) == 1;
  EXPECT_TRUE(connected);
  handshakeLines_ = sim.ReceivedLines().size();
  mark_ = handshakeLines_;
}

std::vector<std::string> SimConnection::Sent() const {
  std::vector<std::string> lines = sim.ReceivedLines();
  if (lines.size() <= handshakeLines_)
    return {};
  return {lines.begin() + static_cast<long>(handshakeLines_), lines.end()};
}

std::vector<std::string> SimConnection::SentSinceMark() const {
  std::vector<std::string> lines = sim.ReceivedLines();
  if (lines.size() <= mark_)
    return {};
  return {lines.begin() + static_cast<long>(mark_), lines.end()};
}

void SimConnection::Mark() {
  mark_ = sim.ReceivedLines().size();
}

std::vector<std::string> SimConnection::Titles() const {
  std::vector<std::string> titles;
  for (const auto& box : boxes.boxes)
    titles.push_back(box.title);
  return titles;
}

CommandOutput RunCommand(const std::vector<std::string>& args) {
  CommandOutput output;
  TempDir dir;
  const std::string outPath = dir.File("out");
  const std::string errPath = dir.File("err");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<std::string> copy = args;
  std::vector<char*> argv;
  for (auto& arg : copy)
    argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    ADD_FAILURE() << "cannot start " << args.front();
    return output;
  }
  int status = 0;
  waitpid(pid, &status, 0);
  output.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  output.out = ReadWholeFile(outPath);
  output.err = ReadWholeFile(errPath);
  return output;
}

TempDir::TempDir() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "km62rx-protocol-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    ADD_FAILURE() << "cannot create a temporary folder";
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace km62rx::testing
