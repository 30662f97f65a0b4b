#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "device/page_controls.h"
#include "ui/field_editor.h"
#include "ui/field_values.h"
#include "win32/field_codec.h"

namespace km62rx::win32 {

// The main window's controls reached by control ID: each is a child window
// of the main window whose ID is the control ID (the first one for the
// frame ID that pages 1 and 4 share), and the page table tells what kind of
// control it is. An edit field's bytes follow FieldValues' rule.
class Win32PageControls : public device::PageControls {
 public:
  explicit Win32PageControls(HWND parent) : parent_(parent) {}

  // The child window of an ID; null when there is none.
  HWND Window(int id) const { return GetDlgItem(parent_, id); }

  std::string Text(int id) const override;
  void SetText(int id, std::string_view text) override;
  bool Checked(int id) const override;
  void SetChecked(int id, bool checked) override;
  int ComboIndex(int id) const override;
  void SetComboIndex(int id, int index) override;
  bool Enabled(int id) const override;
  void SetEnabled(int id, bool enabled) override;

  // The typing rules of the page fields, working on these controls.
  ui::FieldEditor& Editor() { return editor_; }

 private:
  HWND parent_;
  CodePageFieldCodec codec_;
  ui::FieldValues fieldValues_{codec_};
  ui::FieldEditor editor_{*this};
};

}  // namespace km62rx::win32
