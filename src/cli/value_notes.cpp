#include "cli/value_notes.h"

#include <algorithm>
#include <string>

#include "cli/logger_output.h"

#include "cli/quiet_boxes.h"
#include "settings/setting_table.h"
#include "settings/settings_format.h"
#include "ui/page_binding.h"

namespace km62rx::cli {
namespace {

// The record a save from these pages writes; the pages stay as they are.
settings::LoggerSettings SavedFromPages(const ui::MemoryPageControls& pages) {
  ui::MemoryPageControls copy = pages;
  SilentBoxes boxes;
  settings::LoggerSettings record;
  ui::ReadSettingsFromPages(copy, record, boxes);
  return record;
}

void PrintNote(const std::string& note) {
  Output().Note(note);
}

void PrintNote(std::string_view key, std::string_view from, std::string_view where,
               std::string_view outcome, std::string_view to) {
  PrintNote(std::string(key) + ": \"" + std::string(from) + "\" in the " + std::string(where) +
            " " + std::string(outcome) + " \"" + std::string(to) + "\"");
}

}  // namespace

void NoteFileValuesChanged(const settings::LoggerSettings& fromFile, std::string_view outcome) {
  ui::MemoryPageControls pages;
  ui::ShowSettingsOnPages(pages, fromFile);
  const std::vector<WireValue> before = FileValues(fromFile);
  const std::vector<WireValue> after = FileValues(SavedFromPages(pages));
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
    if (!SameWireValue(before[i].key, before[i].value, after[i].value))
      PrintNote(before[i].key, before[i].value, "file", outcome, after[i].value);
  }
}

void NoteMissingSettings(const std::vector<settings::MissingSetting>& missing) {
  for (const settings::MissingSetting& setting : missing) {
    PrintNote(setting.label + ": the file has no line for it; its default \"" +
              setting.defaultValue + "\" is used");
  }
}

bool NoteTimestampSettingsNotApplied(const settings::LoggerSettings& fromFile) {
  const std::vector<WireValue> notApplied = TimestampValuesOffDefault(fromFile);
  for (const WireValue& value : notApplied) {
    PrintNote(SettingLabel(value.key, value.entry) + ": \"" + value.value +
              "\" in the file is not applied: " + std::string(kNoTimestampFunction));
  }
  return !notApplied.empty();
}

void LoggerValues::NoteSavedValuesChanged(const ui::MemoryPageControls& pages) const {
  const std::vector<WireValue> saved = FileValues(SavedFromPages(pages));
  for (const WireValue& held : wire_.received()) {
    const auto line = std::find_if(saved.begin(), saved.end(), [&](const WireValue& line) {
      return line.key == held.key && line.entry == held.entry;
    });
    if (line != saved.end() && !SameWireValue(held.key, held.value, line->value))
      PrintNote(held.key, held.value, "logger", "is saved as", line->value);
  }
}

}  // namespace km62rx::cli
