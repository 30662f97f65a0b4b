#pragma once

#include <string>
#include <string_view>

namespace km62rx::settings {

enum class ReplaceResult {
  kReplaced,     // the file now holds the new contents
  kCannotOpen,   // the target cannot be written (read-only, no folder, no permission)
  kWriteFailed,  // writing, flushing or renaming failed; the old file is untouched
};

// Replaces the file at path (UTF-8) with contents so that it never holds a
// mix of old and new: the contents go to a temporary file in the same
// folder, which is flushed to disk and then renamed over the target. A
// symbolic link is followed and its final target replaced; the link stays.
// An existing file keeps its permissions (and, where allowed, its owner).
// The target must be writable itself: a read-only file is never replaced.
// Where no temporary file can be made beside it (a folder without write
// permission, a name too long for the temporary name), an existing writable
// file is rewritten in place instead, its old contents kept in memory and
// put back if the write fails. A target that exists but is no regular file
// (a device, a FIFO) is refused at once, without waiting on it.
ReplaceResult ReplaceFileContents(const std::string& path, std::string_view contents);

}  // namespace km62rx::settings
