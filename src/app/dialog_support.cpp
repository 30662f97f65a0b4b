#include "app/dialog_support.h"

#include <QDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <algorithm>

#include "app/ui_font.h"

namespace km62rx::app {

QFont DialogFont() {
  return UiFontAtPoints(10);
}

DialogUnits::DialogUnits(const QFont& font) {
  // The average width is taken over the Latin letters, as the platform that
  // defined dialog units does; a CJK face's own average would count its
  // full-width glyphs.
  const QFontMetrics metrics(font);
  static const QString kLetters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const int total = metrics.horizontalAdvance(kLetters);
  baseWidth_ = (total / 26 + 1) / 2;
  if (baseWidth_ < 1)
    baseWidth_ = 1;
  // The character height is the face's em: the platform takes the cell
  // height, which for the face these dialogs were laid out in is its em. A
  // CJK face with tall line spacing (Noto CJK: 1.45 em) would otherwise
  // stretch every dialog by half.
  baseHeight_ = std::min(metrics.height(), QFontInfo(font).pixelSize());
  if (baseHeight_ < 1)
    baseHeight_ = 1;
}

int DialogUnits::X(int units) const {
  return units * baseWidth_ / 4;
}
int DialogUnits::Y(int units) const {
  return units * baseHeight_ / 8;
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
  return QRect(X(x), Y(y), X(width), Y(height));
}

void PlaceInUnits(QWidget* widget, const DialogUnits& units, int x, int y, int width, int height) {
  widget->setGeometry(units.Rect(x, y, width, height));
}

void NameAndPlace(QWidget* widget, int id, const DialogUnits& units, int x, int y, int width,
                  int height) {
  widget->setObjectName(QStringLiteral("ctl%1").arg(id));
  PlaceInUnits(widget, units, x, y, width, height);
}

QPushButton* AddButton(QDialog* dialog, const QString& text, int id, const DialogUnits& units,
                       int x, int y, int width) {
  auto* button = new QPushButton(text, dialog);
  NameAndPlace(button, id, units, x, y, width, 14);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

bool HandleDialogKey(QDialog& dialog, QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Escape:
      event.accept();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (auto* button = qobject_cast<QPushButton*>(dialog.focusWidget());
          button && button->isEnabled()) {
        button->click();
      }
      event.accept();
      return true;
    default:
      return false;
  }
}

}  // namespace km62rx::app
