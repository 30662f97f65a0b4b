#include "app/app_icon.h"

// The resources live in a static library: register them once, from outside
// any namespace as Q_INIT_RESOURCE requires.
static void InitAppResources() {
  Q_INIT_RESOURCE(resources);
}

namespace km62rx::app {

QIcon AppIcon() {
  static const bool registered = (InitAppResources(), true);
  (void)registered;
  return QIcon(QStringLiteral(":/km62rx.png"));
}

}  // namespace km62rx::app
