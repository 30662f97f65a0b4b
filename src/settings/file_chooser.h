#pragma once

#include <optional>
#include <string>

namespace km62rx {

// Asks the user for a settings file, named by a UTF-8 path. The window uses a
// file dialog with the filter "CFG files(*.CFG *.cfg)", the initial name
// SETTING.CFG and the default suffix CFG; the command-line tool and tests
// give fixed answers.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // A file to load; nothing when the user cancelled.
  virtual std::optional<std::string> ChooseFileToOpen() = 0;
  // A file to save to (it may be new). askBeforeReplacing: confirm with the
  // user before an existing file is chosen. Nothing when cancelled.
  virtual std::optional<std::string> ChooseFileToSave(bool askBeforeReplacing) = 0;
};

// Always answers with the same path (or cancels when it is empty).
class FixedFileChooser : public FileChooser {
 public:
  explicit FixedFileChooser(std::optional<std::string> path) : path_(std::move(path)) {}
  std::optional<std::string> ChooseFileToOpen() override { return path_; }
  std::optional<std::string> ChooseFileToSave(bool) override { return path_; }

 private:
  std::optional<std::string> path_;
};

}  // namespace km62rx
