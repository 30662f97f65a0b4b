#pragma once

#include <QObject>

#include "ui/page_table.h"

class QKeyEvent;
class QLineEdit;

namespace km62rx::ui {

class QtPageControls;

// The typing behaviour of one hex field or of the extension field, attached
// as an event filter on its QLineEdit. The hex fields of a row form a chain
// found by control ID: the field before is ID - 1, the field after ID + 1.
// Only keyboard input and pastes are filtered; text set by the program is
// not. A paste is taken whole or not at all: only when each of its
// characters would be taken if typed, and then as typing would take them (a
// run of hex pairs fills the fields of the chain one after another).
class FieldInputFilter : public QObject {
  Q_OBJECT

 public:
  FieldInputFilter(InputFilter kind, int id, const QtPageControls& controls, QLineEdit* field);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnKeyPress(QKeyEvent* event);
  void OnPaste(const QString& text);
  void PasteExtension(const QString& text);
  void PasteHex(const QString& text);
  bool OnHexChar(QChar typed);
  bool OnExtensionChar(QChar c);
  void OnFocusOut();
  // Moves on to the next field when the caret stands after the second
  // character; queued so that it runs after the field took the character.
  void QueueAdvance();
  void AdvanceIfFull();
  // Gives the focus to the field before, with the caret after its second
  // character.
  void MoveToPrevious();

  QLineEdit* Neighbour(int offset) const;
  // The filter attached to a field, if any.
  static const FieldInputFilter* FilterOf(const QLineEdit* field);

  InputFilter kind_;
  int id_;
  const QtPageControls& controls_;
  QLineEdit* field_;
};

// Attaches the filter of every table row that has one.
void AttachInputFilters(const QtPageControls& controls);

// Where an edit's selection starts (the caret when nothing is selected).
int SelectionStart(const QLineEdit& field);

}  // namespace km62rx::ui
