#pragma once

#include <cstddef>
#include <string>

namespace km62rx::settings {

// A settings file is a few kilobytes; anything beyond this is no settings
// file, and is not read further.
inline constexpr std::size_t kMaxSettingsFileSize = 1024 * 1024;

enum class FileReadResult {
  kRead,        // contents holds the whole file
  kMissing,     // there is no such file
  kCannotOpen,  // it exists but cannot be read (no permission, a folder, a pipe without data)
  kTooLarge,    // more than kMaxSettingsFileSize bytes; contents holds that much
};

// Whether reading may wait for a pipe or device to deliver its data.
enum class FileWait {
  kNever,    // the window: a pipe or device that has nothing to give at once cannot be opened
  kForData,  // the command line: read a pipe to its end, as cat does
};

// Reads the whole file at path (UTF-8) into contents, in one go, so that
// later steps (header search, reader, clock lines) work on memory and never
// need to rewind. Opening never waits, even for a FIFO without a writer.
FileReadResult ReadFileContents(const std::string& path, FileWait wait, std::string& contents);

}  // namespace km62rx::settings
