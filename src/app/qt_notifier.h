#pragma once

#include <QPointer>
#include <QString>
#include <string_view>

#include "settings/notifier.h"

class QWidget;

namespace km62rx::app {

// Shows each message in a modal QMessageBox owned by a window: no icon, only
// OK, the title and the text (CR LF becomes a line break).
class QtNotifier : public Notifier {
 public:
  explicit QtNotifier(QWidget* owner) : owner_(owner) {}
  void Show(std::string_view title, std::string_view text) override;

  // The text as the box shows it.
  static QString BoxText(std::string_view text);

 private:
  QPointer<QWidget> owner_;
};

}  // namespace km62rx::app
