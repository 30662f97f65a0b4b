#include "ui/qt/field_text.h"

#include <QByteArray>
#include <QString>
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

FieldCodec::Shown QtFieldCodec::Show(std::string_view bytes) const {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(ViewOf(bytes));
  if (!utf8.hasError())
    return {text.toStdString(), false};
  QStringDecoder shiftJis(kShiftJis, QStringDecoder::Flag::Stateless);
  if (!shiftJis.isValid())
    return {text.toStdString(), false};  // no converter: shown with replacement characters
  return {QString(shiftJis.decode(ViewOf(bytes))).toStdString(), true};
}

std::string QtFieldCodec::Bytes(std::string_view text, bool shiftJis) const {
  const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QStringEncoder encoder(shiftJis ? kShiftJis : "UTF-8", QStringEncoder::Flag::Stateless);
  if (!encoder.isValid())
    return shown.toStdString();
  const QByteArray bytes = encoder.encode(shown);
  return bytes.toStdString();
}

}  // namespace km62rx::ui
