#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QEvent;
class QLineEdit;

namespace km62rx::ui {

// The ways a user pastes into an edit field: the paste keys (Ctrl+V,
// Shift+Insert), the paste entry of the context menu and, where the platform
// has a selection clipboard, the middle mouse button. When event asks for a
// paste, paste gets the clipboard's text and true is returned: the event is
// consumed and the field inserts nothing itself. The context menu is shown
// as the field shows it, with its paste entry routed to paste.
using PasteHandler = std::function<void(const QString& clipboardText)>;
bool HandlePasteRequest(QLineEdit& field, QEvent& event, const PasteHandler& paste);

// Makes a single-line field take a pasted text only up to its first line
// break, as a native single-line edit does; the field's validator and length
// limit then apply as to typing.
void KeepPastesOnOneLine(QLineEdit* field);

}  // namespace km62rx::ui
