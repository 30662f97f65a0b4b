// Replacing a settings file on Windows, where the POSIX calls of
// file_replace.cpp do not exist. Same promise: the old file is never left
// damaged or half-written.
#ifdef _WIN32

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "settings/file_replace.h"

namespace km62rx::settings {

namespace fs = std::filesystem;

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view contents) {
  if (path.empty() || path.back() == '/' || path.back() == '\\')
    return ReplaceResult::kCannotOpen;
  std::error_code error;
  fs::path target = fs::u8path(path);
  if (fs::is_symlink(target, error)) {
    const fs::path resolved = fs::weakly_canonical(target, error);
    if (error)
      return ReplaceResult::kCannotOpen;
    target = resolved;
  }
  const bool exists = fs::exists(target, error);
  if (exists) {
    // The file itself must be writable: a read-only file is not replaced.
    std::fstream probe(target, std::ios::in | std::ios::out | std::ios::binary);
    if (!probe.is_open())
      return ReplaceResult::kCannotOpen;
  }
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path temp = target;
  temp += "." + std::to_string(stamp) + ".tmp";
  {
    std::ofstream out(temp, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!out.is_open())
      return ReplaceResult::kCannotOpen;
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, error);
      return ReplaceResult::kWriteFailed;
    }
  }
  // std::filesystem::rename replaces an existing target on Windows.
  fs::rename(temp, target, error);
  if (error) {
    fs::remove(temp, error);
    return ReplaceResult::kWriteFailed;
  }
  return ReplaceResult::kReplaced;
}

}  // namespace km62rx::settings

#endif  // _WIN32
