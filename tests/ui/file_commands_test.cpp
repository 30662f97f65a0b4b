#include "ui/file_commands.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <string>
#include <vector>

#include "device/control_ids.h"
#include "settings/settings_format.h"
#include "support/temp_folder.h"
#include "ui/memory_page_controls.h"
#include "ui/page_binding.h"

namespace km62rx::ui {
namespace {

using settings::DefaultSettings;
using settings::LoggerSettings;
using Box = RecordingNotifier::Box;

const Box kLoaded{"ファイル読込完了", "読込が完了しました。"};
const Box kNotASettingsFile{"エラー", "有効なKM-62RX設定ファイルではありません。"};
const Box kCannotOpen{"エラー", "ファイルを開けませんでした。"};
const Box kSaved{"設定保存", "設定ファイルを書き出しました。"};
const Box kClockSaved{"設定保存",
                      "設定ファイルに書き出しました。\r\n本体に読込させるためには、SDカード内の"
                      "指定フォルダに格納されている必要があります。\r\n"};

class FileCommands : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return dir_.File(name); }
  std::string Write(const std::string& name, const std::string& contents) const {
    return dir_.Write(name, contents);
  }
  static std::string Contents(const std::string& path) { return testing::ReadFile(path); }

  int Load(const std::string& path) {
    FixedFileChooser chooser(path);
    return LoadSettingsFromFile(pages_, chooser, main_).completed;
  }

  int Save(const std::string& path) {
    FixedFileChooser chooser(path);
    return SaveSettingsToFile(pages_, chooser, main_).completed;
  }

  // Saves the clock, checking that the chooser was asked to confirm a replacement.
  int SaveClock(const std::string& path, ForeignFile foreign = ForeignFile::kReplace,
                const device::TypedTime& time = {2026, 3, 5, 7, 8, 9}) {
    struct : FixedFileChooser {
      using FixedFileChooser::FixedFileChooser;
      std::optional<std::string> ChooseFileToSave(bool ask) override {
        asked = ask;
        return FixedFileChooser::ChooseFileToSave(ask);
      }
      bool asked = false;
    } chooser(path);
    const int result = SaveClockToFile(time, chooser, main_, dialog_, foreign).completed;
    EXPECT_TRUE(chooser.asked);
    return result;
  }

  testing::TempFolder dir_;
  MemoryPageControls pages_;
  RecordingNotifier main_;
  RecordingNotifier dialog_;  // the clock dialog's own boxes
};

// The default record with the clock fields of a typed time.
std::string DefaultsWithClock(const char* calendar) {
  LoggerSettings expected = DefaultSettings();
  expected.TIME_CALENDAR = calendar;
  expected.TIME_SET = 0;
  return settings::FormatSettingsFile(expected);
}

TEST_F(FileCommands, LoadReadsEveryLineOnceTheHeaderIsFound) {
  // The header may come late and carry trailing text; the lines above it count too.
  const std::string path = Write("a.cfg",
                                 "FILE_EXTENSION=ABC\r\nSTART_DATA=00D0A\r\nTMSP_MODE=ON\r\n"
                                 "INFO_NAME=KM-62RX-PLUS  \r\nSTOP_TIME=210830\r\n");
  EXPECT_EQ(Load(path), 1);
  EXPECT_EQ(main_.boxes, std::vector<Box>{kLoaded});
  EXPECT_EQ(pages_.Text(ids::kExtensionField), "ABC");
  EXPECT_EQ(pages_.Text(ids::StartDataByte(0, 1)), "0A");
  EXPECT_EQ(pages_.ComboIndex(ids::kTimestampModeCombo), 1);
  EXPECT_EQ(pages_.Text(ids::StopTimeMinute(2)), "30");
}

TEST_F(FileCommands, LoadRefusalsKeepThePages) {
  pages_.SetText(ids::kExtensionField, "QQQ");
  // No header, and a file beyond 1 MiB.
  EXPECT_EQ(Load(Write("bad.cfg", " INFO_NAME=KM-62RX\r\n")), 0);
  EXPECT_EQ(Load(Write("big.cfg", "INFO_NAME=KM-62RX\r\n" + std::string(1 << 20, 'x'))), 0);
  EXPECT_EQ(main_.boxes, (std::vector<Box>{kNotASettingsFile, kNotASettingsFile}));
  std::vector<std::string> refused{PathOf("missing.cfg"), testing::Utf8(dir_.path())};
#ifdef _WIN32
  // Devices by their reserved names.
  refused.insert(refused.end(), {"NUL", "CON", "COM1"});
#else
  // Nothing that has no data at once makes the window wait: a FIFO without a
  // writer, one whose writer sends nothing, a device without data.
  ASSERT_EQ(mkfifo(PathOf("fifo.cfg").c_str(), 0600), 0);
  const int writer = open(PathOf("fifo.cfg").c_str(), O_RDWR);
  ASSERT_EQ(mkfifo(PathOf("lonely.cfg").c_str(), 0600), 0);
  refused.insert(refused.end(), {PathOf("fifo.cfg"), PathOf("lonely.cfg"), "/dev/null"});
#endif
  for (const std::string& path : refused) {
    main_.boxes.clear();
    EXPECT_EQ(Load(path), 0);
    EXPECT_EQ(main_.boxes, std::vector<Box>{kCannotOpen}) << path;
  }
#ifndef _WIN32
  close(writer);
#endif
  EXPECT_EQ(pages_.Text(ids::kExtensionField), "QQQ");

  main_.boxes.clear();
  FixedFileChooser cancel(std::nullopt);
  EXPECT_FALSE(LoadSettingsFromFile(pages_, cancel, main_).completed);
  EXPECT_FALSE(SaveSettingsToFile(pages_, cancel, main_).completed);
  EXPECT_TRUE(main_.boxes.empty());
}

TEST_F(FileCommands, EveryLineRejectedStillCompletesWithTheDefaults) {
  pages_.SetText(ids::kExtensionField, "XYZ");
  pages_.SetChecked(ids::StopDataCheck(1), true);
  pages_.SetText(ids::StopDataByte(1, 0), "AA");
  const std::string path = Write("a.cfg", "INFO_NAME=KM-62RX\r\nFOO=1\r\nSTART_DATA=9-\r\n");
  EXPECT_EQ(Load(path), 1);
  ASSERT_EQ(main_.boxes.size(), 3u);
  EXPECT_EQ(main_.boxes.back(), kLoaded);
  RecordingNotifier quiet;
  LoggerSettings shown;
  ReadSettingsFromPages(pages_, shown, quiet);
  EXPECT_EQ(shown, DefaultSettings());
}

TEST_F(FileCommands, SaveWritesThePagesAndKeepsTheTargetsClockLines) {
  const std::string old =
      Write("a.cfg", "INFO_NAME=KM-62RX\r\nTIME_CALENDAR=230101120000\r\nTIME_SET=0\r\n");
  pages_.SetChecked(ids::StopDataCheck(1), true);
  pages_.SetText(ids::StopDataByte(1, 0), "7F");
  EXPECT_EQ(Save(old), 1);
  EXPECT_EQ(main_.boxes, std::vector<Box>{kSaved});
  LoggerSettings want = DefaultSettings();
  want.STOP_DATA[1] = "17F";
  want.TIME_CALENDAR = "230101120000";
  want.TIME_SET = 0;
  EXPECT_EQ(Contents(old), settings::FormatSettingsFile(want));

  main_.boxes.clear();
  EXPECT_EQ(Save(PathOf("no/such/folder/x.cfg")), 0);
  ASSERT_EQ(main_.boxes.size(), 1u);  // only the writer's error
  EXPECT_EQ(main_.boxes[0].title, "エラー");
}

TEST_F(FileCommands, TextFieldsKeepTheFilesBytes) {
  // A Shift_JIS extension and the separator "=" come back byte for byte.
  const std::string path =
      Write("a.cfg", "INFO_NAME=KM-62RX\r\nFILE_EXTENSION=\x93\xFA\x41\r\nTMSP_SPLIT==\r\n");
  EXPECT_EQ(Load(path), 1);
  EXPECT_EQ(Save(PathOf("b.cfg")), 1);
  LoggerSettings want = DefaultSettings();
  want.FILE_EXTENSION = "\x93\xFA\x41";
  want.TMSP_SPLIT = "=";
  EXPECT_EQ(Contents(PathOf("b.cfg")), settings::FormatSettingsFile(want));
  EXPECT_EQ(main_.boxes, (std::vector<Box>{kLoaded, kSaved}));
}

TEST_F(FileCommands, ClockIntoAValidFileChangesOnlyItsClockLines) {
  LoggerSettings record = DefaultSettings();
  record.FILE_EXTENSION = "DAT";
  record.STOP_TIME[4] = "451200";
  record.TIME_CALENDAR = "240305140709";
  record.TIME_SET = 1;
  const std::string path = Write("a.cfg", settings::FormatSettingsFile(record) + "FOO=1\r\n");
  EXPECT_EQ(SaveClock(path), 1);
  EXPECT_EQ(main_.boxes.size(), 1u);  // the reader's message goes to the main window
  EXPECT_EQ(dialog_.boxes, std::vector<Box>{kClockSaved});
  record.TIME_CALENDAR = "260305070809";
  record.TIME_SET = 0;
  EXPECT_EQ(Contents(path), settings::FormatSettingsFile(record));
}

TEST_F(FileCommands, ClockReplacesAnythingElseOnlyWhenTheUserWasAsked) {
  const std::string junk = Write("junk.cfg", "hello\r\nFILE_EXTENSION=ABC\r\n");
  for (const std::string& foreign : {junk, Write("empty.cfg", "")}) {
    const std::string before = Contents(foreign);
    EXPECT_EQ(SaveClock(foreign, ForeignFile::kRefuse), 0);
    EXPECT_EQ(Contents(foreign), before);
  }
#ifdef _WIN32
  EXPECT_EQ(SaveClock("NUL"), 0);
#else
  ASSERT_EQ(mkfifo(PathOf("fifo.cfg").c_str(), 0600), 0);
  EXPECT_EQ(SaveClock(PathOf("fifo.cfg")), 0);
#endif
  EXPECT_EQ(main_.boxes, (std::vector<Box>{kNotASettingsFile, kNotASettingsFile, kCannotOpen}));
  main_.boxes.clear();

  EXPECT_EQ(SaveClock(junk), 1);
  EXPECT_EQ(Contents(junk), DefaultsWithClock("260305070809"));
  // A new file; the time is held inside the dialog's ranges.
  EXPECT_EQ(SaveClock(PathOf("new.cfg"), ForeignFile::kReplace, {2150, 13, 0, 24, -1, 60}), 1);
  EXPECT_EQ(Contents(PathOf("new.cfg")), DefaultsWithClock("991201230059"));
  EXPECT_TRUE(main_.boxes.empty());
  EXPECT_EQ(dialog_.boxes, (std::vector<Box>{kClockSaved, kClockSaved}));

  dialog_.boxes.clear();
  EXPECT_EQ(SaveClock(PathOf("no/such/x.cfg")), 0);
  EXPECT_EQ(main_.boxes.size(), 1u);
  EXPECT_TRUE(dialog_.boxes.empty());
}

}  // namespace
}  // namespace km62rx::ui
