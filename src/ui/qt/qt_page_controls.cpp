#include "ui/qt/qt_page_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace km62rx::ui {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtPageControls::Register(int id, QWidget* widget) {
  if (widget == nullptr)
    return;
  widget->setObjectName(QStringLiteral("ctl%1").arg(id));
  widgets_.emplace(id, widget);
}

QWidget* QtPageControls::Widget(int id) const {
  const auto it = widgets_.find(id);
  return it == widgets_.end() ? nullptr : it->second.data();
}

QLineEdit* QtPageControls::LineEdit(int id) const {
  return qobject_cast<QLineEdit*>(Widget(id));
}

std::string QtPageControls::Text(int id) const {
  QWidget* widget = Widget(id);
  QString text;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    return fieldValues_.Bytes(id, edit->text().toStdString());
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    text = combo->currentText();
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    text = button->text();
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    text = label->text();
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    text = group->title();
  }
  return text.toStdString();
}

void QtPageControls::SetText(int id, std::string_view text) {
  QWidget* widget = Widget(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(FromUtf8(fieldValues_.Set(id, text, edit->maxLength())));  // no input filter runs
    return;
  }
  const QString value = FromUtf8(text);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(value);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(value);
  }
  // A drop-down list has no text of its own to set.
}

bool QtPageControls::Checked(int id) const {
  auto* button = qobject_cast<QAbstractButton*>(Widget(id));
  return button != nullptr && button->isCheckable() && button->isChecked();
}

void QtPageControls::SetChecked(int id, bool checked) {
  auto* button = qobject_cast<QAbstractButton*>(Widget(id));
  if (button != nullptr && button->isCheckable())
    button->setChecked(checked);
}

int QtPageControls::ComboIndex(int id) const {
  auto* combo = qobject_cast<QComboBox*>(Widget(id));
  return combo != nullptr ? combo->currentIndex() : 0;
}

void QtPageControls::SetComboIndex(int id, int index) {
  auto* combo = qobject_cast<QComboBox*>(Widget(id));
  if (combo != nullptr && index >= 0 && index < combo->count())
    combo->setCurrentIndex(index);
}

bool QtPageControls::Enabled(int id) const {
  QWidget* widget = Widget(id);
  return widget != nullptr && widget->isEnabled();
}

void QtPageControls::SetEnabled(int id, bool enabled) {
  if (QWidget* widget = Widget(id))
    widget->setEnabled(enabled);
}

}  // namespace km62rx::ui
