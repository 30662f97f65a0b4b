#include "app/ui_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace km62rx::app {
namespace {

// The faces tried in order; the first one installed is used.
const QStringList& PreferredFamilies() {
  static const QStringList families = {
      QStringLiteral("ＭＳ ゴシック"),
      QStringLiteral("MS Gothic"),
      QStringLiteral("Noto Sans Mono CJK JP"),
      QStringLiteral("Noto Sans Mono CJK"),
      QStringLiteral("VL Gothic"),
      QStringLiteral("IPAGothic"),
      QStringLiteral("TakaoGothic"),
  };
  return families;
}

QFont BaseFont() {
  QFont font;
  const QStringList installed = QFontDatabase::families();
  QStringList chosen;
  for (const QString& family : PreferredFamilies()) {
    if (installed.contains(family))
      chosen << family;
  }
  if (chosen.isEmpty())
    chosen = PreferredFamilies();
  font.setFamilies(chosen);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace

QFont UiFont() {
  QFont font = BaseFont();
  font.setPixelSize(12);
  return font;
}

QFont UiFontAtPoints(int pointSize) {
  QFont font = BaseFont();
  font.setPointSize(pointSize);
  return font;
}

}  // namespace km62rx::app
