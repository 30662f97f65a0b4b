#include "app/qt_file_chooser.h"

#include <QFile>
#include <QFileDialog>
#include <QStringList>

namespace km62rx::app {

void QtFileChooser::Configure(QFileDialog& dialog, bool forSaving, bool askBeforeReplacing) {
  dialog.setNameFilter(QStringLiteral("CFG files(*.CFG)"));
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
  // File names are handed on in the encoding of the file system.
  return QFile::encodeName(chosen.front()).toStdString();
}

std::optional<std::string> QtFileChooser::ChooseFileToOpen() {
  return Run(false, false);
}

std::optional<std::string> QtFileChooser::ChooseFileToSave(bool askBeforeReplacing) {
  return Run(true, askBeforeReplacing);
}

}  // namespace km62rx::app
