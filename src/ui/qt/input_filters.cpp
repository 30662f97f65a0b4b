#include "ui/qt/input_filters.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaObject>

#include "ui/page_table.h"
#include "ui/qt/paste_requests.h"
#include "ui/qt/qt_page_controls.h"

namespace km62rx::ui {
namespace {

// The one character a key types; 0 for control characters (Ctrl+V and the
// like), several characters or keys held with Ctrl, Alt or Meta.
char32_t TypedChar(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.size() != 1 ||
      (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
    return 0;
  const char16_t c = text.front().unicode();
  return c < 0x20 || c == 0x7f ? 0 : c;
}

}  // namespace

FieldEvents::FieldEvents(int id, FieldEditor& editor, const QtPageControls& controls,
                         QLineEdit* field)
    : QObject(field),
      id_(id),
      filtered_(FindControlSpec(id)->filter != InputFilter::kNone),
      editor_(editor),
      controls_(controls),
      field_(field) {
  if (filtered_)
    field_->setAttribute(Qt::WA_InputMethodEnabled, false);
  field_->installEventFilter(this);
}

FieldCaret FieldEvents::Caret() const {
  const int start = field_->hasSelectedText() ? field_->selectionStart() : field_->cursorPosition();
  return {start, static_cast<int>(field_->selectedText().size()),
          static_cast<int>(field_->text().size())};
}

bool FieldEvents::eventFilter(QObject* watched, QEvent* event) {
  if (watched != field_)
    return false;
  if (event->type() == QEvent::FocusOut) {
    // A context menu taking the focus for a moment is not leaving the field.
    if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
      editor_.Leave(id_, static_cast<int>(field_->text().size()));
    return false;  // the field still sees it
  }
  if (!filtered_)
    return false;
  const auto paste = [this](const QString& text) {
    Apply(editor_.Paste(id_, Caret(), text.toStdString()));
  };
  if (HandlePasteRequest(*field_, *event, paste))
    return true;
  if (event->type() == QEvent::InputMethod)
    return true;
  return event->type() == QEvent::KeyPress && OnKeyPress(static_cast<QKeyEvent&>(*event));
}

bool FieldEvents::OnKeyPress(const QKeyEvent& event) {
  FieldEdit edit;
  switch (event.key()) {
    case Qt::Key_Backspace:
      edit = editor_.Backspace(id_, Caret());
      break;
    case Qt::Key_Left:
      edit = editor_.Left(id_, Caret());
      break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
      return false;
    default:
      if (event.text().isEmpty())
        return false;  // caret keys and the like
      edit = editor_.Typed(id_, Caret(), TypedChar(event));
  }
  Apply(edit);
  return edit.consumed;
}

void FieldEvents::Apply(const FieldEdit& edit) {
  if (!edit.insert.empty())
    field_->insert(QString::fromStdString(edit.insert));
  QLineEdit* target = edit.focus != 0 ? controls_.LineEdit(edit.focus) : field_;
  if (target != nullptr && target != field_)
    target->setFocus(Qt::OtherFocusReason);
  if (target != nullptr && edit.caret >= 0)
    target->setCursorPosition(edit.caret);
  if (edit.advanceLater) {
    // Queued, so that it runs after the field took the character.
    QMetaObject::invokeMethod(
        this, [this] { Apply(editor_.AdvanceIfFull(id_, Caret())); }, Qt::QueuedConnection);
  }
}

void AttachFieldEvents(QtPageControls& controls) {
  for (const ControlSpec& def : PageControlSpecs()) {
    if (!FieldEditor::HasLeaveRule(def.id))
      continue;
    if (QLineEdit* field = controls.LineEdit(def.id))
      new FieldEvents(def.id, controls.Editor(), controls, field);
  }
}

}  // namespace km62rx::ui
