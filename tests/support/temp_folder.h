#pragma once

#include <filesystem>
#include <string>

namespace km62rx::testing {

// A file-system path from UTF-8 text, and back.
std::filesystem::path Utf8Path(const std::string& text);
std::string Utf8(const std::filesystem::path& path);

// A private folder under the system's temporary folder, removed with the object (read-only
// folders inside included). Paths are UTF-8, as the settings layer takes them.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Path of name inside the folder.
  std::string File(const std::string& name) const { return Utf8(path_ / Utf8Path(name)); }
  // Writes contents to name inside the folder and returns its path.
  std::string Write(const std::string& name, const std::string& contents) const;

 private:
  std::filesystem::path path_;
};

// The whole file as bytes ("" when it cannot be read); bytes written to a file (UTF-8 paths).
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& contents);

}  // namespace km62rx::testing
