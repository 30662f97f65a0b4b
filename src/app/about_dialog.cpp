#include "app/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "app/dialog_support.h"
#include "settings/control_ids.h"

namespace km62rx::app {

std::unique_ptr<QDialog> MakeAboutBox(QWidget* owner) {
  auto box =
      std::make_unique<DescribedDialog>(ui::AboutDialogDescription(), owner,
                                        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  box->Widget<QLabel>(ids::kAboutVersionLine)->setText(QtText(ui::AboutVersionLine()));
  QObject::connect(box->Widget<QPushButton>(ids::kAboutOkButton), &QPushButton::clicked, box.get(),
                   &QDialog::accept);
  return box;
}

void ShowAboutBox(QWidget* owner) {
  MakeAboutBox(owner)->exec();
}

}  // namespace km62rx::app
