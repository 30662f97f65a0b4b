#pragma once

#include <optional>
#include <string>

#include "settings/file_chooser.h"

class QWidget;
class QFileDialog;

namespace km62rx::app {

// Asks for a settings file with a QFileDialog owned by a window: filter
// "CFG files(*.CFG *.cfg)", initial name SETTING.CFG, default suffix CFG.
// Paths come back as UTF-8.
class QtFileChooser : public FileChooser {
 public:
  explicit QtFileChooser(QWidget* owner) : owner_(owner) {}

  // An existing file.
  std::optional<std::string> ChooseFileToOpen() override;
  // An existing or a new file; with askBeforeReplacing the dialog asks
  // before an existing file is chosen.
  std::optional<std::string> ChooseFileToSave(bool askBeforeReplacing) override;

  // Sets up a dialog as the chooser shows it (exposed for tests).
  static void Configure(QFileDialog& dialog, bool forSaving, bool askBeforeReplacing);

 private:
  std::optional<std::string> Run(bool forSaving, bool askBeforeReplacing);
  QWidget* owner_;
};

}  // namespace km62rx::app
