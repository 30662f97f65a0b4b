#pragma once

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "settings/notifier.h"
#include "settings/settings_reader.h"

namespace km62rx::settings::test {

// A private folder under the system's temporary folder, removed at the end.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "km62rx-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempDir() {
    // Restore write permission so that everything inside can be removed.
    std::error_code ec;
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ec)) {
      if (entry.is_directory(ec) && !entry.is_symlink(ec))
        chmod(entry.path().c_str(), 0700);
    }
    chmod(path_.c_str(), 0700);
    std::filesystem::remove_all(path_, ec);
  }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << contents;
}

// Parses text as a settings file; the messages land in boxes.
inline LoggerSettings Parse(const std::string& text, std::vector<RecordingNotifier::Box>& boxes) {
  std::istringstream in(text);
  RecordingNotifier notifier;
  LoggerSettings settings;
  ParseSettings(in, settings, notifier);
  boxes = notifier.boxes;
  return settings;
}

// Runs fn in a forked child and returns its exit status; -1 when it did not
// exit normally. With dropPrivileges, a child started as root runs as uid and
// gid 65534 so that file permissions apply to it; -1 when it cannot.
inline int RunInChild(const std::function<int()>& fn, bool dropPrivileges) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (dropPrivileges && geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
      _exit(120);
    _exit(fn());
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) != 120 ? WEXITSTATUS(status) : -1;
}

}  // namespace km62rx::settings::test
