#include "app/ui_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace km62rx::app {

QFont FontOf(const ui::FontDescription& description) {
  QStringList faces;
  for (std::string_view face : description.faces)
    faces << QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
  const QStringList installed = QFontDatabase::families();
  QStringList chosen;
  for (const QString& face : faces) {
    if (installed.contains(face))
      chosen << face;
  }
  QFont font;
  font.setFamilies(chosen.isEmpty() ? faces : chosen);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setWeight(QFont::Normal);
  if (description.pixelSize > 0)
    font.setPixelSize(description.pixelSize);
  else
    font.setPointSize(description.pointSize);
  return font;
}

}  // namespace km62rx::app
