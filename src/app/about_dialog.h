#pragma once

#include <QDialog>

class QWidget;

namespace km62rx::app {

// The version box: "VESTRAL  DO-62REvev", the version line and OK. Closes
// with OK, Enter, Escape or its close box.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* owner);

  // "バージョン 1.01".
  static QString VersionLine();
};

// Runs the version box modally, owned by owner.
void ShowAboutBox(QWidget* owner);

}  // namespace km62rx::app
