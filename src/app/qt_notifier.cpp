#include "app/qt_notifier.h"

#include <QMessageBox>

namespace km62rx::app {

QString QtNotifier::BoxText(std::string_view text) {
  QString box = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  box.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return box;
}

void QtNotifier::Show(std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon,
                  QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                  BoxText(text), QMessageBox::Ok, owner_.data());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace km62rx::app
