#include "ui/file_commands.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "settings/control_ids.h"
#include "settings/file_messages.h"
#include "settings/file_read.h"
#include "settings/settings_lines.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"
#include "ui/decimal_text.h"
#include "ui/page_binding.h"
#include "ui/page_table.h"

namespace km62rx::ui {
namespace {

using settings::kCannotOpenFile;
using settings::kErrorTitle;
using settings::kNotASettingsFile;

constexpr LocalText kLoadedTitle{"ファイル読込完了", "File loaded"};
constexpr LocalText kLoaded{"読込が完了しました。", "The settings file was loaded."};
constexpr LocalText kSavedTitle{"設定保存", "Settings saved"};
constexpr LocalText kSaved{"設定ファイルを書き出しました。", "The settings file was written."};
constexpr LocalText kClockSaved{
    "設定ファイルに書き出しました。\r\n"
    "本体に読込させるためには、SDカード内の指定フォルダに格納されている必要があります。\r\n",
    "The time was written to the settings file.\r\n"
    "For the logger to read it, put the file on the logger's SD card,\r\n"
    "in the folder the logger reads its settings from.\r\n"};

constexpr std::array kTexts{kLoadedTitle, kLoaded, kSavedTitle, kSaved, kClockSaved};

bool HasSettingsHeader(const std::string& contents) {
  std::istringstream in(contents);
  return settings::FindSettingsHeader(in);
}

// yyMMddhhmmss of a typed time, each part kept within the clock dialog's
// field range first so that the text always has its twelve digits.
std::string CalendarText(const device::TypedTime& time) {
  const std::array<int, 6> parts{time.year, time.month,  time.day,
                                 time.hour, time.minute, time.second};
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    int value = parts[i];
    if (const auto range = NumericFieldRange(ids::kClockFields[i])) {
      value = std::clamp(value, range->minimum, range->maximum);
    }
    text += FormatTwoDigits(i == 0 ? value - 2000 : value);
  }
  return text;
}

}  // namespace

std::span<const LocalText> FileCommandTexts() {
  return kTexts;
}

FileResult LoadSettingsFromFile(device::PageControls& pages, FileChooser& chooser,
                                Notifier& mainWindow) {
  const std::optional<std::string> path = chooser.ChooseFileToOpen();
  if (!path)
    return {};

  std::string contents;
  switch (settings::ReadFileContents(*path, settings::FileWait::kNever, contents)) {
    case settings::FileReadResult::kRead:
      return LoadSettingsFromContents(pages, contents, mainWindow);
    case settings::FileReadResult::kTooLarge:
      mainWindow.Show(kErrorTitle.Get(), kNotASettingsFile.Get());
      return {};
    case settings::FileReadResult::kMissing:
    case settings::FileReadResult::kCannotOpen:
      break;
  }
  mainWindow.Show(kErrorTitle.Get(), kCannotOpenFile.Get());
  return {};
}

FileResult LoadSettingsFromContents(device::PageControls& pages, const std::string& contents,
                                    Notifier& mainWindow, settings::LoggerSettings* loaded) {
  if (!HasSettingsHeader(contents)) {
    mainWindow.Show(kErrorTitle.Get(), kNotASettingsFile.Get());
    return {};
  }
  ResetPagesToDefaults(pages);
  // The reader reads every line, those above the header included.
  std::istringstream in(contents);
  settings::LoggerSettings record;
  FileResult result;
  result.reportedLines = settings::ParseSettings(in, record, mainWindow);
  ShowSettingsOnPages(pages, record);
  if (loaded != nullptr)
    *loaded = record;
  mainWindow.Show(kLoadedTitle.Get(), kLoaded.Get());
  result.completed = true;
  return result;
}

FileResult SaveSettingsToFile(device::PageControls& pages, FileChooser& chooser,
                              Notifier& mainWindow) {
  const std::optional<std::string> path = chooser.ChooseFileToSave(true);
  if (!path)
    return {};

  settings::LoggerSettings record;
  FileResult result;
  result.limitedValues = ReadSettingsFromPages(pages, record, mainWindow);
  // The clock lines of a file being replaced are kept.
  if (settings::WriteSettingsFile(*path, record, 0, mainWindow) != 1)
    return result;
  mainWindow.Show(kSavedTitle.Get(), kSaved.Get());
  result.completed = true;
  return result;
}

FileResult SaveClockToFile(const device::TypedTime& time, FileChooser& chooser,
                           Notifier& mainWindow, Notifier& dialog, ForeignFile foreign) {
  const std::optional<std::string> path = chooser.ChooseFileToSave(true);
  if (!path)
    return {};

  // A settings file keeps its settings; a new file gets the defaults. A file
  // that cannot be read (a FIFO, a device, no permission) is left alone.
  settings::LoggerSettings record = settings::DefaultSettings();
  FileResult result;
  std::string contents;
  const settings::FileReadResult read =
      settings::ReadFileContents(*path, settings::FileWait::kNever, contents);
  if (read == settings::FileReadResult::kCannotOpen) {
    mainWindow.Show(kErrorTitle.Get(), kCannotOpenFile.Get());
    return result;
  }
  if (read != settings::FileReadResult::kMissing) {
    if (read == settings::FileReadResult::kRead && HasSettingsHeader(contents)) {
      std::istringstream in(contents);
      result.reportedLines = settings::ParseSettings(in, record, mainWindow);
    } else if (foreign == ForeignFile::kRefuse) {
      mainWindow.Show(kErrorTitle.Get(), kNotASettingsFile.Get());
      return result;
    }
  }

  record.TIME_CALENDAR = CalendarText(time);
  record.TIME_SET = 0;
  if (settings::WriteSettingsFile(*path, record, 1, mainWindow) != 1)
    return result;
  dialog.Show(kSavedTitle.Get(), kClockSaved.Get());
  result.completed = true;
  return result;
}

}  // namespace km62rx::ui
