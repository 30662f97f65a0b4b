#include "app/qt_notifier.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <algorithm>

namespace km62rx::app {
namespace {

// Room the title bar takes beside the title: the icon and the buttons.
constexpr int kTitleBarExtras = 64;

// QMessageBox wraps a text wider than about 500 pixels, and Japanese text
// wraps anywhere, even inside a word. A box is made as wide as its longest
// line instead, up to five eighths of the screen, so each line the text asks
// for stays one line; and wide enough that the title bar shows the whole
// title rather than an elided one.
void SizeToTextAndTitle(QMessageBox& box) {
  auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (label == nullptr)
    return;
  const QFontMetrics metrics(label->font());
  int widest = 0;
  for (const QString& line : box.text().split(QLatin1Char('\n')))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  widest = std::max(
      widest, QFontMetrics(box.font()).horizontalAdvance(box.windowTitle()) + kTitleBarExtras);
  const QScreen* screen = box.screen();
  const int limit = screen != nullptr ? screen->availableGeometry().width() * 5 / 8 : 800;
  label->setMinimumWidth(std::min(widest + 1, limit));
}

}  // namespace

QString QtNotifier::BoxText(std::string_view text) {
  QString box = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  box.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return box;
}

void QtNotifier::Show(std::string_view title, std::string_view text) {
  // The box waits for the user: the normal cursor over it, when a busy one
  // is up.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy)
    QApplication::setOverrideCursor(Qt::ArrowCursor);
  QMessageBox box(QMessageBox::NoIcon,
                  QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                  BoxText(text), QMessageBox::Ok, owner_.data());
  box.setTextFormat(Qt::PlainText);
  // A plain OK button: some styles give the standard buttons icons.
  if (QAbstractButton* ok = box.button(QMessageBox::Ok))
    ok->setIcon(QIcon());
  SizeToTextAndTitle(box);
  box.exec();
  if (busy)
    QApplication::restoreOverrideCursor();
}

}  // namespace km62rx::app
