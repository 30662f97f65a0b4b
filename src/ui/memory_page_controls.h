#pragma once

#include <map>
#include <string>

#include "device/page_controls.h"

namespace km62rx::ui {

// The settings pages held in memory, starting from the same initial texts,
// selections and enabled states as the window's controls. Used by the
// command-line tool and by tests.
class MemoryPageControls : public device::PageControls {
 public:
  MemoryPageControls();

  std::string Text(int id) const override;
  void SetText(int id, std::string_view text) override;
  bool Checked(int id) const override;
  void SetChecked(int id, bool checked) override;
  int ComboIndex(int id) const override;
  void SetComboIndex(int id, int index) override;
  bool Enabled(int id) const override;
  void SetEnabled(int id, bool enabled) override;

 private:
  struct State {
    std::string text;
    bool checked = false;
    int comboIndex = 0;
    int comboSize = 0;
    int limit = 0;
    bool enabled = true;
  };
  State& At(int id);
  const State* Find(int id) const;
  std::map<int, State> controls_;
};

}  // namespace km62rx::ui
