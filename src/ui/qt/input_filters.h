#pragma once

#include <QObject>
#include <memory>

#include "ui/field_editor.h"

class QKeyEvent;
class QLineEdit;

namespace km62rx::ui {

class QtPageControls;

// Hands the events of one page field to the field editor and carries out
// its answer: typed characters, Backspace, Left, pastes (the clipboard's
// text), leaving the field. Composed input, which would pass the key
// events by, is turned off.
class FieldEvents : public QObject {
  Q_OBJECT

 public:
  FieldEvents(int id, FieldEditor& editor, const QtPageControls& controls, QLineEdit* field);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnKeyPress(const QKeyEvent& event);
  void Apply(const FieldEdit& edit);
  FieldCaret Caret() const;

  int id_;
  bool filtered_;  // typing and pastes go through the editor
  FieldEditor& editor_;
  const QtPageControls& controls_;
  QLineEdit* field_;
};

// Routes the events of every page field that has a typing filter or a rule
// for leaving it; the editor works on controls.
void AttachFieldEvents(QtPageControls& controls);

}  // namespace km62rx::ui
