#pragma once

#include <array>
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

// Row counts of the six repeated settings: start data, start time, stop
// data, stop time, time-stamp start condition, time-stamp end condition.
struct PageRows {
  std::array<int, 6> rowCount{3, 7, 3, 7, 3, 3};
};
inline constexpr int kRowsStartData = 0;
inline constexpr int kRowsStartTime = 1;
inline constexpr int kRowsStopData = 2;
inline constexpr int kRowsStopTime = 3;
inline constexpr int kRowsTimestampStart = 4;
inline constexpr int kRowsTimestampStop = 5;

}  // namespace km62rx::device
