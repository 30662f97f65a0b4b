#pragma once

#include <QFont>
#include <QRect>

class QDialog;
class QKeyEvent;
class QPushButton;
class QString;
class QWidget;

namespace km62rx::app {

// The font of the connect and clock dialogs: a fixed-pitch Japanese face of
// 10 points ("ＭＳ ゴシック" where present, else a monospace CJK face).
QFont DialogFont();

// Converts dialog units to pixels with the base units of a font: x and widths
// by the average character width / 4, y and heights by the character
// height / 8.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  int X(int units) const;
  int Y(int units) const;
  QRect Rect(int x, int y, int width, int height) const;

  int baseWidth() const { return baseWidth_; }
  int baseHeight() const { return baseHeight_; }

 private:
  int baseWidth_;
  int baseHeight_;
};

// Places a child at a rectangle given in dialog units.
void PlaceInUnits(QWidget* widget, const DialogUnits& units, int x, int y, int width, int height);

// Gives a dialog's child its object name "ctl<ID>" and places it in dialog
// units.
void NameAndPlace(QWidget* widget, int id, const DialogUnits& units, int x, int y, int width,
                  int height);

// Adds a push button 14 units high that is never a default button: Enter in
// these dialogs presses only the focused button.
QPushButton* AddButton(QDialog* dialog, const QString& text, int id, const DialogUnits& units,
                       int x, int y, int width);

// Key handling shared by the connect and clock dialogs, which have no
// default button and are not closed from the keyboard: Enter presses the
// focused push button (as the space bar does) and otherwise does nothing;
// Escape does nothing. Returns true when the key was one of these.
bool HandleDialogKey(QDialog& dialog, QKeyEvent& event);

}  // namespace km62rx::app
