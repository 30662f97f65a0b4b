#pragma once

#include <map>

#include <QPointer>
#include <QWidget>
#include <string>
#include <string_view>

#include "device/page_controls.h"
#include "ui/field_editor.h"
#include "ui/field_values.h"
#include "ui/qt/field_text.h"

class QLineEdit;

namespace km62rx::ui {

// The window's controls reached by control ID: every control the builders
// create is registered here (and named "ctl<ID>"), so the device commands,
// the binding and the availability rule work on the real widgets.
// An edit field's bytes follow FieldValues' rule.
class QtPageControls : public device::PageControls {
 public:
  // Registers a widget under its ID and names it "ctl<ID>". The first
  // widget registered under an ID keeps it (pages 1 and 4 share a frame ID).
  void Register(int id, QWidget* widget);
  QWidget* Widget(int id) const;
  // The edit field of an ID, or null when the ID is not an edit field.
  QLineEdit* LineEdit(int id) const;

  std::string Text(int id) const override;
  void SetText(int id, std::string_view text) override;
  bool Checked(int id) const override;
  void SetChecked(int id, bool checked) override;
  int ComboIndex(int id) const override;
  void SetComboIndex(int id, int index) override;
  bool Enabled(int id) const override;
  void SetEnabled(int id, bool enabled) override;

  // The typing rules of the page fields, working on these controls.
  FieldEditor& Editor() { return editor_; }

 private:
  std::map<int, QPointer<QWidget>> widgets_;  // null once a widget is gone
  QtFieldCodec codec_;
  FieldValues fieldValues_{codec_};
  FieldEditor editor_{*this};
};

}  // namespace km62rx::ui
