#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "settings_test_util.h"

namespace km62rx::settings {
namespace {

using test::ReadFile;
using test::RunUnprivileged;
using test::TempDir;
using test::WriteFile;
using Box = RecordingNotifier::Box;

const std::string kDefaultFile =
    "INFO_NAME=KM-62RX\r\n"
    "FILE_EXTENSION=LOG\r\n"
    "TIME_CALENDAR=180101000000\r\n"
    "TIME_SET=1\r\n"
    "START_DATA=0-\r\nSTART_DATA=1-\r\nSTART_DATA=2-\r\n"
    "START_TIME=0-\r\nSTART_TIME=1-\r\nSTART_TIME=2-\r\nSTART_TIME=3-\r\n"
    "START_TIME=4-\r\nSTART_TIME=5-\r\nSTART_TIME=6-\r\n"
    "STOP_DATA=0-\r\nSTOP_DATA=1-\r\nSTOP_DATA=2-\r\n"
    "STOP_TIME=0-\r\nSTOP_TIME=1-\r\nSTOP_TIME=2-\r\nSTOP_TIME=3-\r\n"
    "STOP_TIME=4-\r\nSTOP_TIME=5-\r\nSTOP_TIME=6-\r\n"
    "STOP_IDLETIME=-\r\n"
    "STOP_DATASIZE=-\r\n"
    "STOP_LOGTIME=-\r\n"
    "TMSP_MODE=OFF\r\n"
    "TMSP_START_DATA=0-\r\nTMSP_START_DATA=1-\r\nTMSP_START_DATA=2-\r\n"
    "TMSP_STOP_DATA=0-\r\nTMSP_STOP_DATA=1-\r\nTMSP_STOP_DATA=2-\r\n"
    "TMSP_STOP_IDLETIME=-\r\n"
    "TMSP_STOP_DATASIZE=-\r\n"
    "TMSP_SERIAL_NO=ON\r\n"
    "TMSP_TYPE=ALL\r\n"
    "TMSP_SPLIT=,\r\n"
    "TMSP_DEL_DATA=\r\n";

const Box kCannotOpen{"エラー", "ファイルを開けませんでした。"};
const Box kCannotWrite{"エラー", "ファイルに書き込めませんでした。"};

// The two clock lines of a written file.
std::string ClockLines(const std::string& file) {
  const std::size_t begin = file.find("TIME_CALENDAR=");
  const std::size_t end = file.find("START_DATA=");
  return file.substr(begin, end - begin);
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SettingsWriter, DefaultRecordGivesTheDefaultFile) {
  EXPECT_EQ(FormatSettingsFile(DefaultSettings()), kDefaultFile);
  TempDir dir;
  RecordingNotifier notifier;
  EXPECT_EQ(WriteSettingsFile(dir / "SETTING.CFG", DefaultSettings(), 0, notifier), 1);
  EXPECT_EQ(ReadFile(dir / "SETTING.CFG"), kDefaultFile);
  EXPECT_TRUE(notifier.boxes.empty());
}

TEST(SettingsWriter, WritesValuesVerbatimInKeyOrder) {
  LoggerSettings s = DefaultSettings();
  s.START_DATA[1] = "10D0A";
  s.STOP_TIME[2] = "210830";
  s.STOP_DATASIZE = "1048576";
  s.TIME_CALENDAR = "240305140709";
  s.TIME_SET = 0;
  s.TMSP_SPLIT = "=";
  s.TMSP_DEL_DATA = "0d0A";
  const std::string file = FormatSettingsFile(s);
  EXPECT_NE(file.find("\r\nSTART_DATA=10D0A\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\nSTOP_TIME=210830\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\nSTOP_DATASIZE=1048576\r\n"), std::string::npos);
  EXPECT_EQ(ClockLines(file), "TIME_CALENDAR=240305140709\r\nTIME_SET=0\r\n");
  EXPECT_NE(file.find("\r\nTMSP_SPLIT==\r\n"), std::string::npos);
  EXPECT_TRUE(file.ends_with("\r\nTMSP_DEL_DATA=0d0A\r\n"));
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = file.find("\r\n", at)) != std::string::npos; at += 2)
    ++lines;
  EXPECT_EQ(lines, 40u);
  // A flag byte other than 0 is written as 1.
  s.TIME_SET = 7;
  EXPECT_EQ(ClockLines(FormatSettingsFile(s)), "TIME_CALENDAR=240305140709\r\nTIME_SET=1\r\n");
}

TEST(SettingsWriter, ClockFieldsComeFromTheFileBeingReplaced) {
  struct Case {
    std::string oldFile;  // empty: no old file
    int useRecordClock;
    std::string clockLines;
  };
  // The caller's record carries 230101120000 and TIME_SET 0.
  const std::string record = "TIME_CALENDAR=230101120000\r\nTIME_SET=0\r\n";
  const std::vector<Case> cases{
      {"", 0, "TIME_CALENDAR=180101000000\r\nTIME_SET=1\r\n"},
      {"", 1, record},
      {"TIME_CALENDAR=240305140709\r\nTIME_SET=0\r\n", 0,
       "TIME_CALENDAR=240305140709\r\nTIME_SET=0\r\n"},
      {"TIME_CALENDAR=240305140709\r\nTIME_SET=1\r\n", 1, record},
      {"INFO_NAME=KM-62RX\r\nTMSP_MODE=ON\r\n", 0, record},
      {"TIME_CALENDAR=2403051407090\nTIME_SET=1\n", 0,
       "TIME_CALENDAR=230101120000\r\nTIME_SET=1\r\n"},
      {"TIME_CALENDAR=241305140709\n", 0, record},
      {"TIME_CALENDAR=240300140709\n", 0, record},
      {"TIME_CALENDAR=240305240709\n", 0, record},
      {"TIME_CALENDAR=240305146009\n", 0, record},
      {"TIME_CALENDAR=240305140760\n", 0, record},
      {"TIME_CALENDAR=24030514O709\n", 0, record},
      {"TIME_CALENDAR=990231235959\n", 0, "TIME_CALENDAR=990231235959\r\nTIME_SET=0\r\n"},
      {"TIME_CALENDAR=24030514=0709\n", 0, record},
      {"TIME_SET=1\nTIME_SET=0\n", 0, "TIME_CALENDAR=230101120000\r\nTIME_SET=0\r\n"},
      {"TIME_SET=0\nTIME_SET=1\n", 0, "TIME_CALENDAR=230101120000\r\nTIME_SET=1\r\n"},
      {"TIME_SET=\n", 0, "TIME_CALENDAR=230101120000\r\nTIME_SET=1\r\n"},
      {"TIME_SETTING=0\r", 0, record},  // matched on the leading characters
      {"TIME_CALENDAR_X=240305140709\rTIME_SET=x\r", 0,
       "TIME_CALENDAR=240305140709\r\nTIME_SET=1\r\n"},
      {"TIME_CALENDAR=240305140709\nTIME_CALENDAR=250101000000\nTIME_CALENDAR=bad\n", 0,
       "TIME_CALENDAR=250101000000\r\nTIME_SET=0\r\n"},
      {"TIME_SET=1" + std::string(100, '0') + "\n", 0, record},  // too long for a line
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string path = dir / "SETTING.CFG";
    if (!c.oldFile.empty())
      WriteFile(path, c.oldFile);
    LoggerSettings s = DefaultSettings();
    s.TIME_CALENDAR = "230101120000";
    s.TIME_SET = 0;
    RecordingNotifier notifier;
    ASSERT_EQ(WriteSettingsFile(path, s, c.useRecordClock, notifier), 1) << c.oldFile;
    EXPECT_EQ(ClockLines(ReadFile(path)), c.clockLines) << c.oldFile;
    EXPECT_TRUE(notifier.boxes.empty());
  }
}

TEST(SettingsWriter, ReadFileClockFieldsReportsWhetherTheFileOpened) {
  TempDir dir;
  LoggerSettings s = DefaultSettings();
  EXPECT_FALSE(ReadFileClockFields(dir / "missing.CFG", s));
  WriteFile(dir / "a.CFG", "TIME_CALENDAR=240305140709\r\nTIME_SET=0\r\nTMSP_MODE=ON\r\n");
  EXPECT_TRUE(ReadFileClockFields(dir / "a.CFG", s));
  LoggerSettings want = DefaultSettings();
  want.TIME_CALENDAR = "240305140709";
  want.TIME_SET = 0;
  EXPECT_EQ(s, want);  // nothing but the two clock fields changes
}

TEST(SettingsWriter, EmptyPathIsRefusedSilently) {
  RecordingNotifier notifier;
  EXPECT_EQ(WriteSettingsFile("", DefaultSettings(), 0, notifier), 0);
  EXPECT_EQ(WriteSettingsFile(std::string_view("\0x", 2), DefaultSettings(), 0, notifier), 0);
  EXPECT_TRUE(notifier.boxes.empty());
}

TEST(SettingsWriter, ReplacesTheFileAsAWhole) {
  TempDir dir;
  const std::string path = dir / "SETTING.CFG";
  WriteFile(path, "old contents\n");
  // A reader that holds the old file open keeps seeing the old contents:
  // the new file is renamed into place, never written into the old one.
  std::ifstream held(path, std::ios::binary);
  RecordingNotifier notifier;
  ASSERT_EQ(WriteSettingsFile(path, DefaultSettings(), 1, notifier), 1);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(held), {}), "old contents\n");
  EXPECT_EQ(ReadFile(path), kDefaultFile);
  EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"SETTING.CFG"});
}

TEST(SettingsWriter, KeepsPermissionsAndUsesTheUmaskForNewFiles) {
  TempDir dir;
  const std::string path = dir / "SETTING.CFG";
  WriteFile(path, "old\n");
  chmod(path.c_str(), 0640);
  RecordingNotifier notifier;
  ASSERT_EQ(WriteSettingsFile(path, DefaultSettings(), 0, notifier), 1);
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);

  const mode_t oldMask = umask(027);
  ASSERT_EQ(WriteSettingsFile(dir / "NEW.CFG", DefaultSettings(), 0, notifier), 1);
  umask(oldMask);
  ASSERT_EQ(stat((dir / "NEW.CFG").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(SettingsWriter, WritesThroughSymbolicLinks) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "real");
  const std::string real = dir / "real/SETTING.CFG";
  WriteFile(real, "TIME_CALENDAR=240305140709\r\nTIME_SET=0\r\n");
  // A relative link, reached through a second link.
  std::filesystem::create_symlink("real/SETTING.CFG", dir.path() / "link1.CFG");
  std::filesystem::create_symlink(dir / "link1.CFG", dir.path() / "link2.CFG");
  RecordingNotifier notifier;
  ASSERT_EQ(WriteSettingsFile(dir / "link2.CFG", DefaultSettings(), 0, notifier), 1);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link1.CFG"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link2.CFG"));
  EXPECT_EQ(ClockLines(ReadFile(real)), "TIME_CALENDAR=240305140709\r\nTIME_SET=0\r\n");
  EXPECT_EQ(FolderEntries(dir.path() / "real"), std::vector<std::string>{"SETTING.CFG"});

  // A dangling link creates its target.
  std::filesystem::create_symlink("real/NEW.CFG", dir.path() / "dangling.CFG");
  ASSERT_EQ(WriteSettingsFile(dir / "dangling.CFG", DefaultSettings(), 0, notifier), 1);
  EXPECT_EQ(ReadFile(dir / "real/NEW.CFG"), kDefaultFile);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "dangling.CFG"));

  // A loop of links cannot be opened.
  std::filesystem::create_symlink("loopB", dir.path() / "loopA");
  std::filesystem::create_symlink("loopA", dir.path() / "loopB");
  EXPECT_EQ(WriteSettingsFile(dir / "loopA", DefaultSettings(), 0, notifier), 0);
  EXPECT_EQ(notifier.boxes, std::vector<Box>{kCannotOpen});
}

// Targets that cannot be opened for writing, tried without root's
// privileges: exactly one box, result 0, the old file untouched.
TEST(SettingsWriter, TargetsThatCannotBeOpened) {
  TempDir dir;
  chmod(dir.path().c_str(), 0755);
  // A read-only file in a writable folder: the rename would work, but the
  // file itself refuses writing.
  const std::filesystem::path open = dir.path() / "open";
  std::filesystem::create_directory(open);
  chmod(open.c_str(), 0777);
  WriteFile((open / "READONLY.CFG").string(), "old\n");
  chmod((open / "READONLY.CFG").c_str(), 0444);
  // A folder without write permission.
  // Also for a file in it that is writable itself: it cannot be replaced
  // safely, so it is not touched.
  const std::filesystem::path closed = dir.path() / "closed";
  std::filesystem::create_directory(closed);
  WriteFile((closed / "OLD.CFG").string(), "old\n");
  chmod((closed / "OLD.CFG").c_str(), 0666);
  chmod(closed.c_str(), 0555);

  const std::vector<std::string> targets{(open / "READONLY.CFG").string(),
                                         (dir.path() / "missing/SETTING.CFG").string(),
                                         (closed / "SETTING.CFG").string(),
                                         (closed / "OLD.CFG").string(),
                                         open.string(),
                                         (open / "SETTING.CFG/").string()};
  for (const std::string& target : targets) {
    const int status = RunUnprivileged([&] {
      RecordingNotifier notifier;
      const int result = WriteSettingsFile(target, DefaultSettings(), 0, notifier);
      if (result != 0)
        return 1;
      if (notifier.boxes != std::vector<Box>{kCannotOpen})
        return 2;
      return 0;
    });
    if (status < 0)
      GTEST_SKIP() << "cannot drop root's privileges here";
    EXPECT_EQ(status, 0) << target;
  }
  EXPECT_EQ(ReadFile((open / "READONLY.CFG").string()), "old\n");
  EXPECT_EQ(FolderEntries(open), std::vector<std::string>{"READONLY.CFG"});
  EXPECT_EQ(FolderEntries(closed), std::vector<std::string>{"OLD.CFG"});
  EXPECT_EQ(ReadFile((closed / "OLD.CFG").string()), "old\n");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing"));
}

TEST(SettingsWriter, AFailedWriteKeepsTheOldFileAndIsReported) {
  TempDir dir;
  const std::string path = dir / "SETTING.CFG";
  WriteFile(path, "old contents\n");
  // Files may grow to 100 bytes only: the write of the new file fails.
  const int status = test::RunInChild(
      [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
          return 3;
        RecordingNotifier notifier;
        const int result = WriteSettingsFile(path, DefaultSettings(), 1, notifier);
        if (result != 0)
          return 1;
        if (notifier.boxes != std::vector<Box>{kCannotWrite})
          return 2;
        return 0;
      },
      false);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(path), "old contents\n");
  EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"SETTING.CFG"});
}

TEST(SettingsWriter, AWriteErrorOnADeviceIsReported) {
  if (access("/dev/full", W_OK) != 0)
    GTEST_SKIP() << "no /dev/full";
  RecordingNotifier notifier;
  EXPECT_EQ(WriteSettingsFile("/dev/full", DefaultSettings(), 1, notifier), 0);
  EXPECT_EQ(notifier.boxes, std::vector<Box>{kCannotWrite});
}

TEST(SettingsWriter, WriteReadWriteIsAFixedPoint) {
  TempDir dir;
  LoggerSettings s = DefaultSettings();
  s.FILE_EXTENSION = "TXT";
  s.START_DATA[0] = "0";
  s.START_DATA[2] = "2aBcD";
  s.STOP_TIME[6] = "672359";
  s.STOP_DATASIZE = "0100";  // normalised on reading
  s.TMSP_MODE = "ON";
  s.TMSP_SPLIT = "\\x09";
  s.TMSP_DEL_DATA = "0D0A";
  RecordingNotifier notifier;
  ASSERT_EQ(WriteSettingsFile(dir / "A.CFG", s, 1, notifier), 1);
  std::ifstream in(dir / "A.CFG", std::ios::binary);
  LoggerSettings read;
  ParseSettings(in, read, notifier);
  ASSERT_EQ(WriteSettingsFile(dir / "B.CFG", read, 0, notifier), 1);
  std::ifstream inB(dir / "B.CFG", std::ios::binary);
  LoggerSettings readB;
  ParseSettings(inB, readB, notifier);
  ASSERT_EQ(WriteSettingsFile(dir / "C.CFG", readB, 0, notifier), 1);
  EXPECT_TRUE(notifier.boxes.empty());
  EXPECT_EQ(ReadFile(dir / "B.CFG"), ReadFile(dir / "C.CFG"));
  EXPECT_NE(ReadFile(dir / "B.CFG").find("STOP_DATASIZE=100\r\n"), std::string::npos);
}

}  // namespace
}  // namespace km62rx::settings
