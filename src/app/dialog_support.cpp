#include "app/dialog_support.h"

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QString>
#include <algorithm>

#include "app/ui_font.h"
#include "ui/qt/paste_requests.h"

namespace km62rx::app {

DialogUnits::DialogUnits(const QFont& font) {
  // The average width is taken over the Latin letters, as the platform that
  // defined dialog units does; a CJK face's own average would count its
  // full-width glyphs.
  const QFontMetrics metrics(font);
  static const QString kLetters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const int total = metrics.horizontalAdvance(kLetters);
  baseWidth_ = std::max((total / 26 + 1) / 2, 1);
  // The character height is the face's em: the platform takes the cell
  // height, which for the face these dialogs were laid out in is its em. A
  // CJK face with tall line spacing (Noto CJK: 1.45 em) would otherwise
  // stretch every dialog by half.
  baseHeight_ = std::max(std::min(metrics.height(), QFontInfo(font).pixelSize()), 1);
}

int DialogUnits::X(int units) const {
  return units * baseWidth_ / 4;
}
int DialogUnits::Y(int units) const {
  return units * baseHeight_ / 8;
}

QRect DialogUnits::Rect(const ui::Geometry& g) const {
  return QRect(X(g.x), Y(g.y), X(g.width), Y(g.height));
}

QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

QWidget* MakeControl(const ui::DialogControl& def, const ui::DialogDescription& description,
                     const DialogUnits& units, QDialog* dialog) {
  using K = ui::DialogControlKind;
  const QString text = QtText(def.text.Get());
  QWidget* widget = nullptr;
  switch (def.kind) {
    case K::kLabel:
    case K::kTopLabel: {
      auto* label = new QLabel(text, dialog);
      if (def.kind == K::kTopLabel) {
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      }
      widget = label;
      break;
    }
    case K::kPushButton: {
      auto* button = new QPushButton(text, dialog);
      if (def.id == description.defaultButton) {
        button->setDefault(true);
      } else {
        button->setAutoDefault(false);
        button->setDefault(false);
      }
      widget = button;
      break;
    }
    case K::kCombo: {
      // As high as its closed box; the height of the opened list is left
      // to the widget.
      auto* combo = new QComboBox(dialog);
      combo->setObjectName(QStringLiteral("ctl%1").arg(def.id));
      combo->setGeometry(units.X(def.geometry.x), units.Y(def.geometry.y),
                         units.X(def.geometry.width), combo->sizeHint().height());
      return combo;
    }
    case K::kDigitField: {
      auto* field = new QLineEdit(dialog);
      field->setMaxLength(def.limit);
      field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
      ui::KeepPastesOnOneLine(field);
      widget = field;
      break;
    }
  }
  widget->setObjectName(QStringLiteral("ctl%1").arg(def.id));
  widget->setGeometry(units.Rect(def.geometry));
  return widget;
}

}  // namespace

DescribedDialog::DescribedDialog(const ui::DialogDescription& description, QWidget* owner,
                                 Qt::WindowFlags flags)
    : QDialog(owner, flags), description_(description), units_(FontOf(description.font)) {
  setWindowTitle(QtText(description.title.Get()));
  setObjectName(QtText(description.name));
  setFont(FontOf(description.font));
  for (const ui::DialogControl& def : description.controls)
    widgets_[def.id] = MakeControl(def, description, units_, this);
  setFixedSize(units_.X(description.width), units_.Y(description.height));
  if (description.firstFocus != 0)
    widgets_[description.firstFocus]->setFocus();
}

std::string DescribedDialog::Text(int id) const {
  if (auto* field = Widget<QLineEdit>(id))
    return field->text().toStdString();
  if (auto* label = Widget<QLabel>(id))
    return label->text().toStdString();
  return {};
}

void DescribedDialog::SetText(int id, std::string_view text) {
  if (auto* field = Widget<QLineEdit>(id))
    field->setText(QtText(text).left(field->maxLength()));
  else if (auto* label = Widget<QLabel>(id))
    label->setText(QtText(text));
}

int DescribedDialog::ComboIndex(int id) const {
  auto* combo = Widget<QComboBox>(id);
  return combo ? combo->currentIndex() : -1;
}

void DescribedDialog::SetComboIndex(int id, int index) {
  if (auto* combo = Widget<QComboBox>(id))
    combo->setCurrentIndex(index);
}

bool DescribedDialog::Enabled(int id) const {
  const auto found = widgets_.find(id);
  return found != widgets_.end() && found->second->isEnabled();
}

void DescribedDialog::SetEnabled(int id, bool enabled) {
  if (const auto found = widgets_.find(id); found != widgets_.end())
    found->second->setEnabled(enabled);
}

int DescribedDialog::FocusedControl() const {
  for (const auto& [id, widget] : widgets_) {
    if (widget == focusWidget())
      return id;
  }
  return 0;
}

void DescribedDialog::keyPressEvent(QKeyEvent* event) {
  if (description_.keys == ui::DialogKeys::kFocusedButtonOnly) {
    switch (event->key()) {
      case Qt::Key_Escape:
        event->accept();
        return;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
          button->click();
        event->accept();
        return;
      default:
        break;
    }
  }
  QDialog::keyPressEvent(event);
}

}  // namespace km62rx::app
