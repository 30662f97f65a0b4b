#include "app/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "app/dialog_support.h"
#include "km62rx_version.h"

namespace km62rx::app {

QString AboutDialog::VersionLine() {
  return tr("バージョン %1.%2").arg(kVersionMajor).arg(kVersionMinor, 2, 10, QLatin1Char('0'));
}

AboutDialog::AboutDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(tr("バージョン情報"));
  setFont(DialogFont());
  const DialogUnits units(font());

  auto* name = new QLabel(QStringLiteral("VESTRAL  DO-62REvev"), this);
  name->setObjectName(QStringLiteral("ctl270"));
  name->setTextFormat(Qt::PlainText);
  name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  name->setGeometry(units.Rect(20, 10, 150, 15));

  auto* version = new QLabel(this);
  version->setObjectName(QStringLiteral("ctl271"));
  version->setTextFormat(Qt::PlainText);
  version->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  version->setGeometry(units.Rect(20, 30, 100, 15));
  version->setText(VersionLine());

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("ctl430"));
  ok->setGeometry(units.Rect(40, 50, 50, 14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  setFixedSize(units.X(130), units.Y(70));
}

void ShowAboutBox(QWidget* owner) {
  AboutDialog box(owner);
  box.exec();
}

}  // namespace km62rx::app
