#pragma once

#ifndef _WIN32
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "settings/notifier.h"
#include "settings/settings_reader.h"

namespace km62rx::testing {

// Parses text as a settings file; the messages land in boxes.
inline settings::LoggerSettings ParseText(const std::string& text,
                                          std::vector<RecordingNotifier::Box>& boxes) {
  std::istringstream in(text);
  RecordingNotifier notifier;
  settings::LoggerSettings record;
  settings::ParseSettings(in, record, notifier);
  boxes = notifier.boxes;
  return record;
}

#ifndef _WIN32
// Runs fn in a forked child and returns its exit status (-1: none). With
// dropPrivileges, a child of root runs as 65534 so file permissions hold.
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

// Runs fn as a user whom file permissions hold back (on Windows, directly).
inline int RunWithoutPrivileges(const std::function<int()>& fn) {
#ifdef _WIN32
  return fn();
#else
  return RunInChild(fn, true);
#endif
}

}  // namespace km62rx::testing
