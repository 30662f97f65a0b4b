#pragma once

#include <QIcon>

namespace km62rx::app {

// The program's icon (":/km62rx.png" of the program's resources).
QIcon AppIcon();

}  // namespace km62rx::app
