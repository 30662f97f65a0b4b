#include "app/app_context.h"

// Placeholders until the dialogs are built; remove this file then.
namespace km62rx::app {
void RunConnectDialog(AppContext&) {}
void RunClockDialog(AppContext&, int) {}
}  // namespace km62rx::app
