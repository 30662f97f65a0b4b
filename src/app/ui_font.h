#pragma once

#include <QFont>

namespace km62rx::app {

// The one interface font of the main window: a fixed-pitch Japanese face
// ("ＭＳ ゴシック" where installed, else a monospace CJK face such as
// "Noto Sans Mono CJK JP"), 12 pixels high, so the column headers that line
// up their words with blanks stay lined up.
QFont UiFont();

// The same face at a point size, for the About box.
QFont UiFontAtPoints(int pointSize);

}  // namespace km62rx::app
