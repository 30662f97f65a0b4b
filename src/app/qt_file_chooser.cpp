#include "app/qt_file_chooser.h"

#include <QFileDialog>
#include <QStringList>

#include "ui/file_dialog_description.h"

namespace km62rx::app {

void QtFileChooser::Configure(QFileDialog& dialog, bool forSaving, bool askBeforeReplacing) {
  const ui::FileDialogDescription& file = ui::kSettingsFileDialog;
  dialog.setNameFilter(QString::fromUtf8(file.filter.data(), qsizetype(file.filter.size())));
  dialog.setDefaultSuffix(
      QString::fromUtf8(file.defaultSuffix.data(), qsizetype(file.defaultSuffix.size())));
  if (forSaving) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A new name is allowed: saving is how a settings file comes to exist.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !askBeforeReplacing);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  dialog.selectFile(QString::fromUtf8(file.initialName.data(), qsizetype(file.initialName.size())));
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
