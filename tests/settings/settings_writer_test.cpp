#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "settings/settings_format.h"
#include "settings/settings_writer.h"
#include "support/settings_helpers.h"
#include "support/temp_folder.h"

namespace km62rx::settings {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
using Box = RecordingNotifier::Box;

// "KEY=0-" ... "KEY=(n-1)-", each with CR LF.
std::string OffEntries(const std::string& key, int n) {
  std::string lines;
  for (int i = 0; i < n; ++i)
    lines += key + "=" + std::to_string(i) + "-\r\n";
  return lines;
}

const std::string kDefaultFile =
    "INFO_NAME=KM-62RX\r\nFILE_EXTENSION=LOG\r\nTIME_CALENDAR=180101000000\r\nTIME_SET=1\r\n" +
    OffEntries("START_DATA", 3) + OffEntries("START_TIME", 7) + OffEntries("STOP_DATA", 3) +
    OffEntries("STOP_TIME", 7) +
    "STOP_IDLETIME=-\r\nSTOP_DATASIZE=-\r\nSTOP_LOGTIME=-\r\nTMSP_MODE=OFF\r\n" +
    OffEntries("TMSP_START_DATA", 3) + OffEntries("TMSP_STOP_DATA", 3) +
    "TMSP_STOP_IDLETIME=-\r\nTMSP_STOP_DATASIZE=-\r\nTMSP_SERIAL_NO=ON\r\nTMSP_TYPE=ALL\r\n"
    "TMSP_SPLIT=,\r\nTMSP_DEL_DATA=\r\n";

const Box kCannotOpen{"エラー", "ファイルを開けませんでした。"};
const Box kCannotWrite{"エラー", "ファイルに書き込めませんでした。"};

std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(testing::Utf8(entry.path().filename()));
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SettingsWriter, ClockFieldsComeFromTheFileBeingReplaced) {
  const std::string record = "230101120000 0";  // what the caller's record carries
  const std::vector<std::tuple<std::string, int, std::string>> cases{
      // old file (empty: none), useRecordClock, TIME_CALENDAR and TIME_SET written
      {"", 0, "180101000000 1"},
      {"", 1, record},
      {"TIME_CALENDAR=240305140709\r\nTIME_SET=0\r\nTMSP_MODE=ON\r\n", 0, "240305140709 0"},
      {"TIME_CALENDAR=240305140709\r\nTIME_SET=1\r\n", 1, record},
      {"TIME_CALENDAR=2403051407090\nTIME_SET=1\n", 0, "230101120000 1"},
      {"TIME_CALENDAR=241305140709\n", 0, record},
      {"TIME_CALENDAR=24030514=0709\n", 0, record},
      {"TIME_CALENDAR=990231235959\n", 0, "990231235959 0"},  // the day is not checked
      {"TIME_SET=0\nTIME_SET=\n", 0, "230101120000 1"},
      {"TIME_CALENDAR_X=240305140709\rTIME_SET=x\r", 0, "240305140709 1"},  // a key's start
      {"TIME_CALENDAR=240305140709\nTIME_CALENDAR=bad\nTIME_SET=0\n", 0, "240305140709 0"},
      {"TIME_SET=1" + std::string(100, '0') + "\n", 0, record},  // too long for a line
  };
  for (const auto& [oldFile, useRecordClock, clock] : cases) {
    TempFolder dir;
    const std::string path = dir.File("SETTING.CFG");
    if (!oldFile.empty())
      WriteFile(path, oldFile);
    LoggerSettings s = DefaultSettings();
    s.TIME_CALENDAR = "230101120000";
    s.TIME_SET = 0;
    RecordingNotifier notifier;
    ASSERT_EQ(WriteSettingsFile(path, s, useRecordClock, notifier), 1) << oldFile;
    s.TIME_CALENDAR = clock.substr(0, 12);
    s.TIME_SET = clock.back() == '1';
    EXPECT_EQ(ReadFile(path), FormatSettingsFile(s)) << oldFile;
  }
}

TEST(SettingsWriter, WritesAndReplacesUnderAnyName) {
  LoggerSettings kept = DefaultSettings();
  kept.TIME_CALENDAR = "240305140709";
  kept.TIME_SET = 0;
  for (const auto& [folder, name] : {std::pair{".", "SETTING.CFG"}, {"設定フォルダ", "設定.CFG"}}) {
    TempFolder dir;
    fs::create_directory(dir.path() / testing::Utf8Path(folder));
    const std::string path = dir.File(std::string(folder) + "/" + name);
    RecordingNotifier notifier;
    ASSERT_EQ(WriteSettingsFile(path, DefaultSettings(), 0, notifier), 1) << name;
    EXPECT_EQ(ReadFile(path), kDefaultFile) << name;
    WriteFile(path, "TIME_CALENDAR=240305140709\r\nTIME_SET=0\r\n");
    ASSERT_EQ(WriteSettingsFile(path, DefaultSettings(), 0, notifier), 1) << name;
    EXPECT_EQ(ReadFile(path), FormatSettingsFile(kept)) << name;
    EXPECT_EQ(FolderEntries(dir.path() / testing::Utf8Path(folder)),
              std::vector<std::string>{name});
    EXPECT_TRUE(notifier.boxes.empty());
  }
  // A flag byte other than 0 is written as 1; an empty path is refused silently.
  LoggerSettings s = DefaultSettings();
  s.TIME_SET = 7;
  EXPECT_NE(FormatSettingsFile(s).find("\r\nTIME_SET=1\r\n"), std::string::npos);
  RecordingNotifier notifier;
  EXPECT_EQ(WriteSettingsFile("", s, 0, notifier), 0);
  EXPECT_EQ(WriteSettingsFile(std::string_view("\0x", 2), s, 0, notifier), 0);
  EXPECT_TRUE(notifier.boxes.empty());
}

#ifndef _WIN32
TEST(SettingsWriter, ReplacesTheFileAsAWholeKeepingItsPermissions) {
  TempFolder dir;
  const std::string path = dir.File("SETTING.CFG");
  WriteFile(path, "old contents\n");
  chmod(path.c_str(), 0640);
  // A reader that holds the old file open keeps seeing the old contents:
  // the new file is renamed into place, never written into the old one.
  std::ifstream held(path, std::ios::binary);
  RecordingNotifier notifier;
  ASSERT_EQ(WriteSettingsFile(path, DefaultSettings(), 1, notifier), 1);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(held), {}), "old contents\n");
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // A new file gets the umask's permissions, not the temporary file's.
  const mode_t oldMask = umask(027);
  ASSERT_EQ(WriteSettingsFile(dir.File("NEW.CFG"), DefaultSettings(), 0, notifier), 1);
  umask(oldMask);
  ASSERT_EQ(stat(dir.File("NEW.CFG").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(SettingsWriter, WritesThroughSymbolicLinks) {
  TempFolder dir;
  fs::create_directory(dir.path() / "real");
  WriteFile(dir.File("real/SETTING.CFG"), "old\n");
  // A relative link reached through a second link, and a dangling link that creates its target.
  fs::create_symlink("real/SETTING.CFG", dir.path() / "link1.CFG");
  fs::create_symlink(dir.File("link1.CFG"), dir.path() / "link2.CFG");
  fs::create_symlink("real/NEW.CFG", dir.path() / "dangling.CFG");
  RecordingNotifier notifier;
  for (const char* link : {"link2.CFG", "dangling.CFG"}) {
    ASSERT_EQ(WriteSettingsFile(dir.File(link), DefaultSettings(), 0, notifier), 1);
    EXPECT_TRUE(fs::is_symlink(dir.path() / link));
  }
  EXPECT_EQ(ReadFile(dir.File("real/SETTING.CFG")), kDefaultFile);
  EXPECT_EQ(ReadFile(dir.File("real/NEW.CFG")), kDefaultFile);
  EXPECT_EQ(FolderEntries(dir.path() / "real"),
            (std::vector<std::string>{"NEW.CFG", "SETTING.CFG"}));
}

#endif

TEST(SettingsWriter, TargetsThatCannotBeOpened) {
  TempFolder dir;
  const fs::path open = dir.path() / "open";
  fs::create_directory(open);
  // A read-only file in a writable folder: the rename would work, but the
  // file itself refuses writing.
  WriteFile(dir.File("open/READONLY.CFG"), "old\n");
  fs::permissions(open / "READONLY.CFG",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  // A missing folder stands for any where no file can be made (a closed one takes the same path).
  std::vector<fs::path> targets{open / "READONLY.CFG", dir.path() / "missing/SETTING.CFG", open,
                                open / "SETTING.CFG/"};
  std::vector<std::string> left{"READONLY.CFG"};
#ifdef _WIN32
  // Devices by the names Windows reserves in every folder.
  targets.insert(targets.end(), {"NUL", "COM1", open / "con.cfg", R"(\\.\NUL)"});
#else
  chmod(dir.path().c_str(), 0755);
  chmod(open.c_str(), 0777);
  fs::create_symlink("loopB", open / "loopA");
  fs::create_symlink("loopA", open / "loopB");
  // A device is no settings file (nor is a FIFO: the same check), even one that takes writes.
  targets.insert(targets.end(), {open / "loopA", fs::path("/dev/full")});
  left = {"READONLY.CFG", "loopA", "loopB"};
#endif

  for (const fs::path& target : targets) {
    const int status = testing::RunWithoutPrivileges([&] {
      RecordingNotifier notifier;
      const int result = WriteSettingsFile(testing::Utf8(target), DefaultSettings(), 0, notifier);
      return result == 0 && notifier.boxes == std::vector<Box>{kCannotOpen} ? 0 : 1;
    });
    if (status < 0)
      GTEST_SKIP() << "cannot drop root's privileges here";
    EXPECT_EQ(status, 0) << target;
  }
  EXPECT_EQ(ReadFile(dir.File("open/READONLY.CFG")), "old\n");
  EXPECT_EQ(FolderEntries(open), left);
}

#ifndef _WIN32
// Writes the default record in a child whose files may grow to limit bytes
// (0: any size); 0 when it succeeds, or fails with exactly the boxes wanted.
int WriteInChild(const std::string& path, int useRecordClock, rlim_t limit,
                 const std::vector<Box>& want, bool dropPrivileges = true) {
  return testing::RunInChild(
      [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{limit, limit};
        if (limit > 0 && setrlimit(RLIMIT_FSIZE, &r) != 0)
          return 3;
        RecordingNotifier notifier;
        const int result = WriteSettingsFile(path, DefaultSettings(), useRecordClock, notifier);
        return result == (want.empty() ? 1 : 0) && notifier.boxes == want ? 0 : 1;
      },
      dropPrivileges);
}

// Where no temporary file fits beside the target, the file is rewritten in
// place: a writable file in a closed folder, a name too long for the
// temporary name. A failed write puts the old contents back.
TEST(SettingsWriter, FallsBackToRewritingInPlace) {
  TempFolder dir;
  chmod(dir.path().c_str(), 0777);
  const std::string closedFile = dir.File("closed/OLD.CFG");
  const std::string longName = dir.File(std::string(250, 'L') + ".CFG");
  const std::string oldClock = "TIME_CALENDAR=240305140709\r\nTIME_SET=0\r\n";
  LoggerSettings kept = DefaultSettings();
  kept.TIME_CALENDAR = "240305140709";
  kept.TIME_SET = 0;
  fs::create_directory(dir.path() / "closed");
  WriteFile(closedFile, oldClock);
  chmod(closedFile.c_str(), 0666);
  chmod((dir.File("closed")).c_str(), 0555);
  if (WriteInChild(closedFile, 0, 100, {kCannotWrite}) < 0)
    GTEST_SKIP() << "cannot drop root's privileges here";
  EXPECT_EQ(ReadFile(closedFile), oldClock);
  EXPECT_EQ(WriteInChild(closedFile, 0, 0, {}), 0);
  EXPECT_EQ(ReadFile(closedFile), FormatSettingsFile(kept));
  EXPECT_EQ(FolderEntries(dir.path() / "closed"), std::vector<std::string>{"OLD.CFG"});
  EXPECT_EQ(WriteInChild(longName, 0, 0, {}), 0);  // new
  WriteFile(longName, oldClock);
  EXPECT_EQ(WriteInChild(longName, 0, 0, {}), 0);  // replaced
  EXPECT_EQ(ReadFile(longName), FormatSettingsFile(kept));
  EXPECT_EQ(FolderEntries(dir.path()).size(), 2u);
}
#endif

TEST(SettingsWriter, AFailedWriteKeepsTheOldFileAndIsReported) {
  TempFolder dir;
  const std::string path = dir.File("SETTING.CFG");
  WriteFile(path, "old contents\n");
#ifndef _WIN32
  // Files may grow to 100 bytes only: the write of the new file fails.
  EXPECT_EQ(WriteInChild(path, 1, 100, {kCannotWrite}, false), 0);
  EXPECT_EQ(ReadFile(path), "old contents\n");
  EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"SETTING.CFG"});
#endif
  // A value with a line break of its own would break the file's lines.
  for (const auto& [extension, separator] : {std::pair{"A\nB", ","}, std::pair{"LOG", "\r"}}) {
    LoggerSettings broken = DefaultSettings();
    broken.FILE_EXTENSION = extension;
    broken.TMSP_SPLIT = separator;
    RecordingNotifier notifier;
    EXPECT_EQ(WriteSettingsFile(path, broken, 1, notifier), 0);
    EXPECT_EQ(notifier.boxes, std::vector<Box>{kCannotWrite});
    EXPECT_EQ(ReadFile(path), "old contents\n");
  }
}

}  // namespace
}  // namespace km62rx::settings
