#include "ui/qt/paste_requests.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

#include "ui/field_editor.h"

namespace km62rx::ui {
namespace {

QString ClipboardText(QClipboard::Mode mode) {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard != nullptr ? clipboard->text(mode) : QString();
}

void ShowContextMenu(QLineEdit& field, const QContextMenuEvent& event, const PasteHandler& paste) {
  QMenu* menu = field.createStandardContextMenu();
  if (menu == nullptr)
    return;
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The field's own paste entry is the action connected to its paste slot.
  for (QAction* action : menu->actions()) {
    const bool isPaste =
        QObject::disconnect(action, nullptr, &field, SLOT(paste())) ||
        QObject::disconnect(action, &QAction::triggered, &field, &QLineEdit::paste);
    if (isPaste) {
      QObject::connect(action, &QAction::triggered, &field,
                       [paste] { paste(ClipboardText(QClipboard::Clipboard)); });
    }
  }
  menu->popup(event.globalPos());
}

// Pastes the first line of the clipboard's text into the field it watches.
class OneLinePaste : public QObject {
 public:
  explicit OneLinePaste(QLineEdit* field) : QObject(field), field_(field) {
    field_->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != field_)
      return false;
    return HandlePasteRequest(*field_, *event, [this](const QString& text) {
      const QString line = QString::fromStdString(std::string(FirstLine(text.toStdString())));
      if (!line.isEmpty())
        field_->insert(line);
    });
  }

 private:
  QLineEdit* field_;
};

}  // namespace

bool HandlePasteRequest(QLineEdit& field, QEvent& event, const PasteHandler& paste) {
  switch (event.type()) {
    case QEvent::KeyPress:
      if (!static_cast<QKeyEvent&>(event).matches(QKeySequence::Paste))
        return false;
      if (!field.isReadOnly())
        paste(ClipboardText(QClipboard::Clipboard));
      return true;
    case QEvent::ContextMenu:
      ShowContextMenu(field, static_cast<QContextMenuEvent&>(event), paste);
      return true;
    case QEvent::MouseButtonRelease: {
      const QClipboard* clipboard = QGuiApplication::clipboard();
      if (static_cast<QMouseEvent&>(event).button() != Qt::MiddleButton || clipboard == nullptr ||
          !clipboard->supportsSelection()) {
        return false;
      }
      if (!field.isReadOnly())
        paste(ClipboardText(QClipboard::Selection));
      return true;
    }
    default:
      return false;
  }
}

void KeepPastesOnOneLine(QLineEdit* field) {
  new OneLinePaste(field);
}

}  // namespace km62rx::ui
