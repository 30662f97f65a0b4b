#include "ui/file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "device/control_ids.h"
#include "settings/settings_file.h"
#include "ui/memory_page_controls.h"
#include "ui/page_binding.h"

namespace km62rx::ui {
namespace {

namespace fs = std::filesystem;
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
  void SetUp() override {
    std::random_device random;
    dir_ = fs::temp_directory_path() / ("km62rx-ui-" + std::to_string(random()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  std::string Write(const std::string& name, const std::string& contents) const {
    const std::string path = PathOf(name);
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }

  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

  static std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(Contents(path));
    std::string line;
    while (std::getline(in, line))
      lines.push_back(line);
    return lines;
  }

  int Load(const std::string& path) {
    FixedFileChooser chooser(path);
    return LoadSettingsFromFile(pages_, chooser, main_);
  }

  int Save(const std::string& path) {
    FixedFileChooser chooser(path);
    return SaveSettingsToFile(pages_, chooser, main_);
  }

  fs::path dir_;
  MemoryPageControls pages_;
  RecordingNotifier main_;
};

TEST_F(FileCommands, HeaderOnTheFifthLineLoadsEveryLine) {
  const std::string path = Write("a.cfg",
                                 "FILE_EXTENSION=ABC\r\n"
                                 "START_DATA=00D0A\r\n"
                                 "TMSP_MODE=ON\r\n"
                                 "STOP_IDLETIME=500\r\n"
                                 "INFO_NAME=KM-62RX\r\n"
                                 "STOP_TIME=210830\r\n");
  EXPECT_EQ(Load(path), 1);
  EXPECT_EQ(main_.boxes, std::vector<Box>{kLoaded});
  EXPECT_EQ(pages_.Text(ids::kExtensionField), "ABC");
  EXPECT_TRUE(pages_.Checked(ids::StartDataCheck(0)));
  EXPECT_EQ(pages_.Text(ids::StartDataByte(0, 1)), "0A");
  EXPECT_EQ(pages_.ComboIndex(ids::kTimestampModeCombo), 1);
  EXPECT_EQ(pages_.Text(ids::kStopIdleField), "500");
  EXPECT_EQ(pages_.ComboIndex(ids::StopTimeWeekday(2)), 1);
  EXPECT_EQ(pages_.Text(ids::StopTimeMinute(2)), "30");
}

TEST_F(FileCommands, HeaderWithTrailingTextIsAccepted) {
  const std::string path = Write("a.cfg", "INFO_NAME=KM-62RX-PLUS  \nTMSP_TYPE=HMS\n");
  EXPECT_EQ(Load(path), 1);
  EXPECT_EQ(main_.boxes, std::vector<Box>{kLoaded});
  EXPECT_EQ(pages_.ComboIndex(ids::kTimestampTypeCombo), 1);
}

TEST_F(FileCommands, FilesWithoutAHeaderAreRefusedAndThePagesKept) {
  const std::string longLine(120, 'X');
  const std::vector<std::string> files = {
      "",
      "FILE_EXTENSION=ABC\r\n",
      "info_name=KM-62RX\r\nFILE_EXTENSION=ABC\r\n",
      " INFO_NAME=KM-62RX\r\nFILE_EXTENSION=ABC\r\n",
      "INFO_NAME=KM-62R\r\n",
      longLine + "\r\nINFO_NAME=KM-62RX\r\nFILE_EXTENSION=ABC\r\n",
  };
  for (const std::string& contents : files) {
    pages_.SetText(ids::kExtensionField, "QQQ");
    main_.boxes.clear();
    EXPECT_EQ(Load(Write("bad.cfg", contents)), 0) << contents;
    EXPECT_EQ(main_.boxes, std::vector<Box>{kNotASettingsFile}) << contents;
    EXPECT_EQ(pages_.Text(ids::kExtensionField), "QQQ") << contents;
  }
}

TEST_F(FileCommands, MissingFileAndCancelledChoice) {
  EXPECT_EQ(Load(PathOf("missing.cfg")), 0);
  EXPECT_EQ(main_.boxes, std::vector<Box>{kCannotOpen});

  main_.boxes.clear();
  FixedFileChooser cancel(std::nullopt);
  EXPECT_EQ(LoadSettingsFromFile(pages_, cancel, main_), 0);
  EXPECT_EQ(SaveSettingsToFile(pages_, cancel, main_), 0);
  EXPECT_TRUE(main_.boxes.empty());
}

TEST_F(FileCommands, EveryLineRejectedStillCompletesWithTheDefaults) {
  ShowSettingsOnPages(pages_, [] {
    LoggerSettings s = DefaultSettings();
    s.FILE_EXTENSION = "XYZ";
    s.STOP_DATA[1] = "1AA";
    s.TMSP_TYPE = "OFF";
    return s;
  }());
  const std::string path = Write("a.cfg",
                                 "INFO_NAME=KM-62RX\r\n"
                                 "FOO=1\r\n"
                                 "START_DATA=9-\r\n"
                                 "FILE_EXTENSION=LO\r\n");
  EXPECT_EQ(Load(path), 1);
  ASSERT_EQ(main_.boxes.size(), 4u);
  EXPECT_EQ(main_.boxes.back(), kLoaded);
  for (std::size_t i = 0; i + 1 < main_.boxes.size(); ++i) {
    EXPECT_NE(main_.boxes[i].text.find("下記"), std::string::npos) << main_.boxes[i].text;
  }
  RecordingNotifier quiet;
  LoggerSettings shown;
  ReadSettingsFromPages(pages_, shown, quiet);
  EXPECT_EQ(shown, DefaultSettings());
}

TEST_F(FileCommands, SavingKeepsTheTargetsOwnClockLines) {
  const std::string a = Write("a.cfg",
                              "INFO_NAME=KM-62RX\r\n"
                              "TIME_CALENDAR=240305140709\r\n"
                              "TIME_SET=0\r\n"
                              "FILE_EXTENSION=AAA\r\n");
  const std::string b = Write("b.cfg",
                              "INFO_NAME=KM-62RX\r\n"
                              "TIME_CALENDAR=230101120000\r\n"
                              "TIME_SET=1\r\n");
  const std::string c = Write("c.cfg", "INFO_NAME=KM-62RX\r\nFILE_EXTENSION=CCC\r\n");
  ASSERT_EQ(Load(a), 1);

  main_.boxes.clear();
  EXPECT_EQ(Save(b), 1);
  EXPECT_EQ(main_.boxes, std::vector<Box>{kSaved});
  std::vector<std::string> lines = Lines(b);
  ASSERT_EQ(lines.size(), 40u);
  EXPECT_EQ(lines[1], "FILE_EXTENSION=AAA\r");
  EXPECT_EQ(lines[2], "TIME_CALENDAR=230101120000\r");
  EXPECT_EQ(lines[3], "TIME_SET=1\r");

  EXPECT_EQ(Save(c), 1);
  lines = Lines(c);
  EXPECT_EQ(lines[2], "TIME_CALENDAR=180101000000\r");
  EXPECT_EQ(lines[3], "TIME_SET=1\r");

  EXPECT_EQ(Save(a), 1);
  lines = Lines(a);
  EXPECT_EQ(lines[2], "TIME_CALENDAR=240305140709\r");
  EXPECT_EQ(lines[3], "TIME_SET=0\r");
}

TEST_F(FileCommands, SaveToANewFileWritesTheWholeFile) {
  const std::string path = PathOf("new.cfg");
  EXPECT_EQ(Save(path), 1);
  EXPECT_EQ(main_.boxes, std::vector<Box>{kSaved});
  EXPECT_EQ(Contents(path), settings::FormatSettingsFile(DefaultSettings()));

  // Saved pages load back onto fresh pages unchanged.
  pages_.SetChecked(ids::StopDataCheck(1), true);
  pages_.SetText(ids::StopDataByte(1, 0), "7F");
  pages_.SetComboIndex(ids::kTimestampTypeCombo, 2);
  pages_.SetText(ids::kSeparatorField, "\\t");
  ASSERT_EQ(Save(path), 1);
  MemoryPageControls fresh;
  FixedFileChooser chooser(path);
  ASSERT_EQ(LoadSettingsFromFile(fresh, chooser, main_), 1);
  EXPECT_TRUE(fresh.Checked(ids::StopDataCheck(1)));
  EXPECT_EQ(fresh.Text(ids::StopDataByte(1, 0)), "7F");
  EXPECT_EQ(fresh.ComboIndex(ids::kTimestampTypeCombo), 2);
  EXPECT_EQ(fresh.Text(ids::kSeparatorField), "\\t");
}

TEST_F(FileCommands, SaveIntoAMissingFolderShowsOnlyTheWritersError) {
  EXPECT_EQ(Save(PathOf("no/such/folder/x.cfg")), 0);
  ASSERT_EQ(main_.boxes.size(), 1u);
  EXPECT_EQ(main_.boxes[0].title, "エラー");
}

TEST_F(FileCommands, SaveReportsPageLimitsBeforeWriting) {
  pages_.SetChecked(ids::kStopSizeCheck, true);
  pages_.SetText(ids::kStopSizeField, "3000");
  const std::string path = PathOf("x.cfg");
  EXPECT_EQ(Save(path), 1);
  ASSERT_EQ(main_.boxes.size(), 2u);
  EXPECT_EQ(main_.boxes[1], kSaved);
  EXPECT_NE(Contents(path).find("STOP_DATASIZE=2097152000\r\n"), std::string::npos);
}

class ClockToFile : public FileCommands {
 protected:
  int SaveClock(const std::string& path, const device::TypedTime& time) {
    FixedFileChooser chooser(path);
    return SaveClockToFile(time, chooser, main_, dialog_);
  }
  RecordingNotifier dialog_;
  const device::TypedTime time_{2026, 3, 5, 7, 8, 9};
};

TEST_F(ClockToFile, ValidFileChangesOnlyItsClockLines) {
  LoggerSettings record = DefaultSettings();
  record.FILE_EXTENSION = "DAT";
  record.STOP_TIME[4] = "451200";
  record.TMSP_DEL_DATA = "0D0A";
  record.TIME_CALENDAR = "240305140709";
  record.TIME_SET = 1;
  const std::string path = Write("a.cfg", settings::FormatSettingsFile(record));
  const std::vector<std::string> before = Lines(path);

  EXPECT_EQ(SaveClock(path, time_), 1);
  EXPECT_TRUE(main_.boxes.empty());
  EXPECT_EQ(dialog_.boxes, std::vector<Box>{kClockSaved});
  const std::vector<std::string> after = Lines(path);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (i == 2) {
      EXPECT_EQ(after[i], "TIME_CALENDAR=260305070809\r");
    } else if (i == 3) {
      EXPECT_EQ(after[i], "TIME_SET=0\r");
    } else {
      EXPECT_EQ(after[i], before[i]) << "line " << i + 1;
    }
  }
}

TEST_F(ClockToFile, FileWithoutHeaderBecomesDefaultsWithTheTime) {
  const std::string path = Write("junk.cfg", "hello\r\nFILE_EXTENSION=ABC\r\n");
  EXPECT_EQ(SaveClock(path, time_), 1);
  EXPECT_TRUE(main_.boxes.empty());
  LoggerSettings expected = DefaultSettings();
  expected.TIME_CALENDAR = "260305070809";
  expected.TIME_SET = 0;
  EXPECT_EQ(Contents(path), settings::FormatSettingsFile(expected));
}

TEST_F(ClockToFile, NewFileGetsDefaultsWithTheTime) {
  const std::string path = PathOf("new.cfg");
  EXPECT_EQ(SaveClock(path, {2099, 12, 31, 23, 59, 59}), 1);
  LoggerSettings expected = DefaultSettings();
  expected.TIME_CALENDAR = "991231235959";
  expected.TIME_SET = 0;
  EXPECT_EQ(Contents(path), settings::FormatSettingsFile(expected));
  EXPECT_EQ(dialog_.boxes, std::vector<Box>{kClockSaved});
}

TEST_F(ClockToFile, ReaderMessagesGoToTheMainWindow) {
  const std::string path = Write("a.cfg", "INFO_NAME=KM-62RX\r\nSTOP_DATA=1\r\n");
  EXPECT_EQ(SaveClock(path, time_), 1);
  EXPECT_EQ(main_.boxes.size(), 1u);
  EXPECT_EQ(dialog_.boxes, std::vector<Box>{kClockSaved});
  EXPECT_NE(Contents(path).find("STOP_DATA=1-\r\n"), std::string::npos);
}

TEST_F(ClockToFile, TimeOutsideTheDialogsRangesIsHeldInside) {
  const std::string path = PathOf("new.cfg");
  EXPECT_EQ(SaveClock(path, {2150, 13, 0, 24, -1, 60}), 1);
  EXPECT_EQ(Lines(path)[2], "TIME_CALENDAR=991201230059\r");
}

TEST_F(ClockToFile, UnwritableTargetShowsTheWritersErrorOnly) {
  EXPECT_EQ(SaveClock(PathOf("no/such/x.cfg"), time_), 0);
  EXPECT_EQ(main_.boxes.size(), 1u);
  EXPECT_TRUE(dialog_.boxes.empty());
}

}  // namespace
}  // namespace km62rx::ui
