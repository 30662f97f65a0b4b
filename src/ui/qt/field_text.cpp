#include "ui/qt/field_text.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace km62rx::ui {
namespace {

// Windows' Japanese code page, by its ICU name.
constexpr const char* kShiftJis = "cp932";

QByteArrayView ViewOf(std::string_view bytes) {
  return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

ShownText ShowFieldBytes(std::string_view bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(ViewOf(bytes));
  if (!utf8.hasError())
    return {text, false};
  QStringDecoder shiftJis(kShiftJis, QStringDecoder::Flag::Stateless);
  if (!shiftJis.isValid())
    return {text, false};  // no converter: shown with replacement characters
  return {shiftJis.decode(ViewOf(bytes)), true};
}

std::string FieldBytes(const QString& text, bool shiftJis) {
  QStringEncoder encoder(shiftJis ? kShiftJis : "UTF-8", QStringEncoder::Flag::Stateless);
  if (!encoder.isValid())
    return text.toStdString();
  const QByteArray bytes = encoder.encode(text);
  return bytes.toStdString();
}

}  // namespace km62rx::ui
