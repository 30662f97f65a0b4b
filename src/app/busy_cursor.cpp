#include "app/busy_cursor.h"

#include <QApplication>
#include <QCursor>

namespace km62rx::app {

BusyCursor::BusyCursor() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
  QApplication::restoreOverrideCursor();
}

NormalCursor::NormalCursor() : pushed_(QApplication::overrideCursor() != nullptr) {
  if (pushed_)
    QApplication::setOverrideCursor(Qt::ArrowCursor);
}

NormalCursor::~NormalCursor() {
  if (pushed_)
    QApplication::restoreOverrideCursor();
}

}  // namespace km62rx::app
