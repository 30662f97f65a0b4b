#pragma once

#include <string>
#include <string_view>

namespace km62rx::device {

// The settings pages as the device commands, the binding and the file
// commands see them: every control reached by its control ID. The window
// implements it with its widgets; the command-line tool and tests with an
// in-memory copy built from the same page table.
class PageControls {
 public:
  virtual ~PageControls() = default;
  virtual std::string Text(int id) const = 0;
  // Sets an edit's text as a program would (no input filter runs); the text
  // is cut to the field's limit.
  virtual void SetText(int id, std::string_view text) = 0;
  virtual bool Checked(int id) const = 0;
  virtual void SetChecked(int id, bool checked) = 0;
  virtual int ComboIndex(int id) const = 0;
  // An index outside the combo's items leaves the selection unchanged.
  virtual void SetComboIndex(int id, int index) = 0;
  virtual bool Enabled(int id) const = 0;
  virtual void SetEnabled(int id, bool enabled) = 0;
};

}  // namespace km62rx::device
