#include "ui/qt/input_filters.h"

#include <algorithm>
#include <vector>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaObject>
#include <QPointer>

#include "ui/qt/paste_requests.h"
#include "ui/qt/qt_page_controls.h"

namespace km62rx::ui {
namespace {

// What a key press amounts to for the filters: a typed character, the
// Backspace character, or a key that types nothing (caret keys, Tab, Delete,
// Enter, Escape), which the filters leave to the field.
enum class KeyKind { kNoCharacter, kBackspace, kCharacter };

KeyKind Classify(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backspace:
      return KeyKind::kBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
      return KeyKind::kNoCharacter;
    default:
      return event.text().isEmpty() ? KeyKind::kNoCharacter : KeyKind::kCharacter;
  }
}

// The one character a key types; a null character for control characters
// (Ctrl+V and the like), several characters or modified keys, which no
// filter accepts.
QChar TypedChar(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.size() != 1)
    return QChar();
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return QChar();
  }
  const QChar c = text.front();
  return c.unicode() < 0x20 || c.unicode() == 0x7f ? QChar() : c;
}

bool IsHexDigit(QChar c) {
  const char16_t u = c.unicode();
  return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F');
}

bool IsAsciiAlnum(QChar c) {
  const char16_t u = c.unicode();
  return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

QChar UpperHex(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'a' && u <= 'f') ? QChar(static_cast<char16_t>(u - 'a' + 'A')) : c;
}

}  // namespace

int SelectionStart(const QLineEdit& field) {
  return field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
}

FieldInputFilter::FieldInputFilter(InputFilter kind, int id, const QtPageControls& controls,
                                   QLineEdit* field)
    : QObject(field), kind_(kind), id_(id), controls_(controls), field_(field) {
  // Composed input would bypass the key filter.
  field_->setAttribute(Qt::WA_InputMethodEnabled, false);
  field_->installEventFilter(this);
}

QLineEdit* FieldInputFilter::Neighbour(int offset) const {
  return controls_.LineEdit(id_ + offset);
}

bool FieldInputFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != field_)
    return false;
  if (HandlePasteRequest(*field_, *event, [this](const QString& text) { OnPaste(text); }))
    return true;
  switch (event->type()) {
    case QEvent::KeyPress:
      return OnKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
      return true;
    case QEvent::FocusOut:
      // A context menu taking the focus for a moment is not leaving the field.
      if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        OnFocusOut();
      return false;  // the field still sees it
    default:
      return false;
  }
}

bool FieldInputFilter::OnKeyPress(QKeyEvent* event) {
  const bool chained = kind_ == InputFilter::kMiddleByte || kind_ == InputFilter::kLastByte;
  const KeyKind key = Classify(*event);

  if (key == KeyKind::kNoCharacter) {
    if (chained && event->key() == Qt::Key_Left && SelectionStart(*field_) == 0) {
      MoveToPrevious();
      return true;
    }
    return false;
  }
  if (kind_ == InputFilter::kExtension) {
    return key == KeyKind::kBackspace ? false : OnExtensionChar(TypedChar(*event));
  }
  if (key == KeyKind::kBackspace) {
    if (chained) {
      if (SelectionStart(*field_) == 0) {
        MoveToPrevious();
        return true;
      }
      return false;
    }
    QueueAdvance();  // first byte: a deleted character never leaves the caret at 2
    return false;
  }
  return OnHexChar(TypedChar(*event));
}

bool FieldInputFilter::OnHexChar(QChar typed) {
  const QChar c = UpperHex(typed);
  if (!IsHexDigit(c))
    return true;  // swallowed
  if (kind_ != InputFilter::kFirstByte) {
    const QLineEdit* previous = Neighbour(-1);
    // A byte is typed only after the one before it is complete.
    if (previous == nullptr || previous->text().size() != 2)
      return true;
  }
  if (kind_ != InputFilter::kLastByte)
    QueueAdvance();
  if (c != typed) {
    field_->insert(QString(c));  // "a"-"f" arrive as "A"-"F"
    return true;
  }
  return false;  // the field inserts it as typed
}

void FieldInputFilter::OnPaste(const QString& text) {
  if (text.isEmpty())
    return;
  if (kind_ == InputFilter::kExtension) {
    PasteExtension(text);
  } else {
    PasteHex(text);
  }
}

void FieldInputFilter::PasteExtension(const QString& text) {
  if (!std::all_of(text.begin(), text.end(), IsAsciiAlnum))
    return;
  const qsizetype kept = field_->text().size() - field_->selectedText().size();
  if (kept + text.size() > field_->maxLength())
    return;  // typing would lose the characters beyond the limit
  field_->insert(text);
}

void FieldInputFilter::PasteHex(const QString& text) {
  // The fields from this one to the end of the row, with the texts typing
  // would leave in them.
  struct Slot {
    QLineEdit* field;
    QString text;
  };
  std::vector<Slot> chain{{field_, field_->text()}};
  for (int offset = 1;; ++offset) {
    const auto* filter = FilterOf(chain.back().field);
    if (filter == nullptr || filter->kind_ == InputFilter::kLastByte)
      break;
    QLineEdit* next = Neighbour(offset);
    if (next == nullptr)
      break;
    chain.push_back({next, next->text()});
  }
  if (kind_ != InputFilter::kFirstByte) {
    const QLineEdit* previous = Neighbour(-1);
    if (previous == nullptr || previous->text().size() != 2)
      return;
  }

  std::size_t at = 0;
  qsizetype caret = SelectionStart(*field_);
  qsizetype selected = field_->selectedText().size();
  for (const QChar typed : text) {
    const QChar c = UpperHex(typed);
    if (!IsHexDigit(c))
      return;
    QString& slot = chain[at].text;
    slot.remove(caret, selected);
    selected = 0;
    if (slot.size() >= chain[at].field->maxLength())
      return;  // a full field would drop the digit
    slot.insert(caret, c);
    ++caret;
    if (caret == 2 && at + 1 < chain.size()) {
      ++at;
      caret = 0;
    }
  }

  for (const Slot& slot : chain) {
    if (slot.field->text() != slot.text)
      slot.field->setText(slot.text);
  }
  QLineEdit* last = chain[at].field;
  if (last != field_)
    last->setFocus(Qt::OtherFocusReason);
  last->setCursorPosition(static_cast<int>(caret));
}

const FieldInputFilter* FieldInputFilter::FilterOf(const QLineEdit* field) {
  return field->findChild<FieldInputFilter*>(QString(), Qt::FindDirectChildrenOnly);
}

bool FieldInputFilter::OnExtensionChar(QChar c) {
  return !IsAsciiAlnum(c);  // letters and digits pass unchanged, the rest is swallowed
}

void FieldInputFilter::OnFocusOut() {
  const QString text = field_->text();
  if (kind_ == InputFilter::kExtension) {
    if (text.isEmpty()) {
      field_->setText(QStringLiteral("LOG"));
    } else if (text.size() < 3) {
      field_->setText(text + QString(3 - text.size(), QLatin1Char('x')));
    }
    return;
  }
  if (text.size() == 1) {
    field_->setText(QLatin1Char('0') + text);
  } else if (text.isEmpty() && kind_ != InputFilter::kLastByte) {
    const QLineEdit* next = Neighbour(+1);
    if (next != nullptr && !next->text().isEmpty())
      field_->setText(QStringLiteral("00"));
  }
}

void FieldInputFilter::QueueAdvance() {
  QMetaObject::invokeMethod(this, &FieldInputFilter::AdvanceIfFull, Qt::QueuedConnection);
}

void FieldInputFilter::AdvanceIfFull() {
  if (SelectionStart(*field_) != 2)
    return;
  QLineEdit* next = Neighbour(+1);
  if (next == nullptr)
    return;
  next->setFocus(Qt::OtherFocusReason);
  next->setCursorPosition(0);
}

void FieldInputFilter::MoveToPrevious() {
  QLineEdit* previous = Neighbour(-1);
  if (previous == nullptr)
    return;
  previous->setFocus(Qt::OtherFocusReason);
  previous->setCursorPosition(std::min<int>(2, static_cast<int>(previous->text().size())));
}

void AttachInputFilters(const QtPageControls& controls) {
  for (const ControlSpec& def : PageControlSpecs()) {
    if (def.filter == InputFilter::kNone)
      continue;
    if (QLineEdit* field = controls.LineEdit(def.id)) {
      new FieldInputFilter(def.filter, def.id, controls, field);
    }
  }
}

}  // namespace km62rx::ui
