#include "app/qt_file_chooser.h"

#include <QFileDialog>
#include <QStringList>

namespace km62rx::app {

void QtFileChooser::Configure(QFileDialog& dialog, bool forSaving, bool askBeforeReplacing) {
  // Both cases of the extension: a native dialog on a file system that tells
  // case apart would otherwise hide lower-case names.
  dialog.setNameFilter(QStringLiteral("CFG files(*.CFG *.cfg)"));
  dialog.setDefaultSuffix(QStringLiteral("CFG"));
  if (forSaving) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A new name is allowed: saving is how a settings file comes to exist.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !askBeforeReplacing);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  dialog.selectFile(QStringLiteral("SETTING.CFG"));
}

std::optional<std::string> QtFileChooser::Run(bool forSaving, bool askBeforeReplacing) {
  QFileDialog dialog(owner_);
  Configure(dialog, forSaving, askBeforeReplacing);
  if (dialog.exec() != QDialog::Accepted)
    return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.front().isEmpty())
    return std::nullopt;
  // Paths are handed on as UTF-8, whatever the system's own encoding.
  return chosen.front().toUtf8().toStdString();
}

std::optional<std::string> QtFileChooser::ChooseFileToOpen() {
  return Run(false, false);
}

std::optional<std::string> QtFileChooser::ChooseFileToSave(bool askBeforeReplacing) {
  return Run(true, askBeforeReplacing);
}

}  // namespace km62rx::app
