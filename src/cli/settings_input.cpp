#include "cli/settings_input.h"

#include <cstdio>

#include "settings/file_messages.h"
#include "settings/file_read.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace km62rx::cli {

namespace {

using settings::FileReadResult;

FileReadResult ReadStandardInput(std::string& contents) {
#ifdef _WIN32
  // A settings file is bytes: no CR LF translation.
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  char buffer[65536];
  while (contents.size() <= settings::kMaxSettingsFileSize) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, stdin);
    contents.append(buffer, n);
    if (n < sizeof buffer)
      break;
  }
  if (std::ferror(stdin))
    return FileReadResult::kCannotOpen;
  return contents.size() > settings::kMaxSettingsFileSize ? FileReadResult::kTooLarge
                                                          : FileReadResult::kRead;
}

}  // namespace

std::optional<std::string> ReadSettingsInput(const std::string& path, Notifier& errors) {
  std::string contents;
  const FileReadResult result =
      path == kStandardStream
          ? ReadStandardInput(contents)
          : settings::ReadFileContents(path, settings::FileWait::kForData, contents);
  switch (result) {
    case FileReadResult::kRead:
      return contents;
    case FileReadResult::kTooLarge:
      errors.Show(settings::kErrorTitle.Get(), settings::kNotASettingsFile.Get());
      return std::nullopt;
    case FileReadResult::kMissing:
    case FileReadResult::kCannotOpen:
      break;
  }
  errors.Show(settings::kErrorTitle.Get(), settings::kCannotOpenFile.Get());
  return std::nullopt;
}

std::optional<LoadedSettings> LoadSettingsInput(const std::string& path,
                                                device::PageControls& pages, Notifier& boxes) {
  const std::optional<std::string> contents = ReadSettingsInput(path, boxes);
  if (!contents)
    return std::nullopt;
  LoadedSettings loaded;
  loaded.result = ui::LoadSettingsFromContents(pages, *contents, boxes, &loaded.record);
  if (!loaded.result.completed)
    return std::nullopt;
  loaded.missing = settings::MissingSettings(*contents);
  return loaded;
}

}  // namespace km62rx::cli
