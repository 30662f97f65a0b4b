#include "support/temp_folder.h"

#include <fstream>
#include <iterator>
#include <random>

namespace km62rx::testing {

namespace fs = std::filesystem;

fs::path Utf8Path(const std::string& text) {
  return fs::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

TempFolder::TempFolder() {
  std::random_device random;
  do {
    path_ = fs::temp_directory_path() / ("km62rx-test-" + std::to_string(random()));
  } while (!fs::create_directory(path_));
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::replace);
}

TempFolder::~TempFolder() {
  // Restore write permission so that everything inside can be removed.
  std::error_code ec;
  for (auto& entry : fs::recursive_directory_iterator(path_, ec)) {
    if (!entry.is_symlink(ec))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

std::string TempFolder::Write(const std::string& name, const std::string& contents) const {
  WriteFile(File(name), contents);
  return File(name);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(Utf8Path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream(Utf8Path(path), std::ios::binary | std::ios::trunc) << contents;
}

}  // namespace km62rx::testing
