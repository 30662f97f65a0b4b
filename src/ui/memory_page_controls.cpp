#include "ui/memory_page_controls.h"

#include "ui/field_values.h"
#include "ui/page_table.h"

namespace km62rx::ui {

MemoryPageControls::MemoryPageControls() {
  for (const auto* table : {&LinkPanelControls(), &SettingsAreaControls(), &PageControlSpecs()}) {
    for (const ControlSpec& def : *table) {
      State state;
      state.text = def.kind == ControlKind::kCombo ? std::string() : def.text;
      state.comboSize = static_cast<int>(def.items.size());
      state.comboIndex = state.comboSize > 0 ? def.initialIndex : 0;
      state.limit = def.limit;
      state.enabled = def.initiallyEnabled;
      controls_.emplace(def.id, std::move(state));  // the shared frame ID keeps its first entry
    }
  }
}

MemoryPageControls::State& MemoryPageControls::At(int id) {
  return controls_[id];
}

const MemoryPageControls::State* MemoryPageControls::Find(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

std::string MemoryPageControls::Text(int id) const {
  const State* state = Find(id);
  return state ? state->text : std::string();
}

void MemoryPageControls::SetText(int id, std::string_view text) {
  State& state = At(id);
  state.text = std::string(CutValueToLimit(text, state.limit));
}

bool MemoryPageControls::Checked(int id) const {
  const State* state = Find(id);
  return state && state->checked;
}

void MemoryPageControls::SetChecked(int id, bool checked) {
  At(id).checked = checked;
}

int MemoryPageControls::ComboIndex(int id) const {
  const State* state = Find(id);
  return state ? state->comboIndex : 0;
}

void MemoryPageControls::SetComboIndex(int id, int index) {
  State& state = At(id);
  if (index >= 0 && index < state.comboSize)
    state.comboIndex = index;
}

bool MemoryPageControls::Enabled(int id) const {
  const State* state = Find(id);
  return state ? state->enabled : false;
}

void MemoryPageControls::SetEnabled(int id, bool enabled) {
  At(id).enabled = enabled;
}

}  // namespace km62rx::ui
