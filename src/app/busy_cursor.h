#pragma once

#include <QtGlobal>

namespace km62rx::app {

// Shows the busy cursor over the whole program for the life of the object:
// the window does not react while the logger is being talked to. Nested
// objects stack.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  Q_DISABLE_COPY(BusyCursor)
};

// Shows the normal cursor for the life of the object when a busy cursor is
// up, so that a box waiting for OK does not look busy; does nothing
// otherwise.
class NormalCursor {
 public:
  NormalCursor();
  ~NormalCursor();
  Q_DISABLE_COPY(NormalCursor)

 private:
  bool pushed_ = false;
};

}  // namespace km62rx::app
