#pragma once

#ifndef _WIN32
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "settings/notifier.h"
#include "settings/settings_file.h"

namespace km62rx::settings::test {

// A file-system path from UTF-8 text, and back.
inline std::filesystem::path Utf8Path(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}
inline std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// A private folder under the system's temporary folder, removed at the end.
class TempDir {
 public:
  TempDir() {
    namespace fs = std::filesystem;
    std::random_device random;
    do {
      path_ = fs::temp_directory_path() / ("km62rx-test-" + std::to_string(random()));
    } while (!fs::create_directory(path_));
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::replace);
  }
  ~TempDir() {
    namespace fs = std::filesystem;
    // Restore write permission so that everything inside can be removed.
    std::error_code ec;
    for (auto& entry : fs::recursive_directory_iterator(path_, ec)) {
      if (!entry.is_symlink(ec))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  // The path of name inside the folder, as UTF-8 (the form every file
  // function of the settings layer takes).
  std::string operator/(const std::string& name) const { return Utf8(path_ / Utf8Path(name)); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Both take the path as UTF-8.
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(Utf8Path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
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

#ifndef _WIN32
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
#endif

// Runs fn as a user whom file permissions hold back and returns its result:
// on POSIX in a child without root's privileges (-1 when that cannot be
// done), on Windows, where a read-only file is one for every user, directly.
inline int RunWithoutPrivileges(const std::function<int()>& fn) {
#ifdef _WIN32
  return fn();
#else
  return RunInChild(fn, true);
#endif
}

}  // namespace km62rx::settings::test
