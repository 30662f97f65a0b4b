// Replacing a settings file on Windows, where the POSIX calls of
// file_replace.cpp do not exist. Same promise: the old file is never left
// damaged or half-written.
#ifdef _WIN32

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "settings/file_path.h"
#include "settings/file_replace.h"

namespace km62rx::settings {

namespace {

namespace fs = std::filesystem;

// Puts contents into the open file from its start; the file was opened
// truncated, or is truncated by the caller's reopen.
bool WriteWhole(std::ofstream& out, std::string_view contents) {
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  out.flush();
  return static_cast<bool>(out);
}

// The fallback when no temporary file can be made beside the target: write
// into the file itself. An old file's contents are read first and put back
// if the new ones cannot be written whole; a file made here is removed again.
ReplaceResult RewriteInPlace(const fs::path& target, bool exists, std::string_view contents) {
  std::string old;
  if (exists) {
    std::ifstream in(target, std::ios::binary);
    if (!in.is_open())
      return ReplaceResult::kCannotOpen;
    old.assign(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
      return ReplaceResult::kCannotOpen;
  }
  {
    std::ofstream out(target, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!out.is_open())
      return ReplaceResult::kCannotOpen;
    if (WriteWhole(out, contents)) {
      out.close();
      if (out)
        return ReplaceResult::kReplaced;
    }
  }
  std::error_code error;
  if (exists) {
    std::ofstream restore(target, std::ios::out | std::ios::binary | std::ios::trunc);
    WriteWhole(restore, old);
  } else {
    fs::remove(target, error);
  }
  return ReplaceResult::kWriteFailed;
}

}  // namespace

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view contents) {
  if (path.empty() || path.back() == '/' || path.back() == '\\')
    return ReplaceResult::kCannotOpen;
  std::error_code error;
  fs::path target = PathFromUtf8(path);
  if (fs::is_symlink(target, error)) {
    const fs::path resolved = fs::weakly_canonical(target, error);
    if (error)
      return ReplaceResult::kCannotOpen;
    target = resolved;
  }
  const fs::file_status status = fs::status(target, error);
  const bool exists = fs::exists(status);
  // A device or pipe is no settings file; writing into one could wait forever.
  if (exists && !fs::is_regular_file(status))
    return ReplaceResult::kCannotOpen;
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
    // No temporary file beside it (a folder without write permission, a name
    // too long for the temporary name): rewrite the file in place.
    if (!out.is_open())
      return RewriteInPlace(target, exists, contents);
    if (!WriteWhole(out, contents)) {
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
