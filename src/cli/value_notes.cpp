#include "cli/value_notes.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "settings/notifier.h"
#include "settings/setting_table.h"
#include "settings/settings_format.h"
#include "ui/page_binding.h"

namespace km62rx::cli {
namespace {

// Settings made of hex bytes: "0d" and "0D" are the same value (the send
// writes them upper case).
bool IsHexSetting(std::string_view key) {
  return key.ends_with("_DATA");
}

bool SameValue(std::string_view key, std::string_view a, std::string_view b) {
  if (!IsHexSetting(key))
    return a == b;
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

struct Line {
  std::string key;
  std::string value;
};

// The setting lines of a record as the file writes them; the clock lines,
// which the pages do not hold, are left out.
std::vector<Line> SettingLines(const settings::LoggerSettings& record) {
  std::vector<Line> lines;
  const std::string text = settings::FormatSettingsFile(record);
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string_view line = std::string_view(text).substr(start, end - start);
    const std::size_t equals = line.find('=');
    const std::string_view key = line.substr(0, equals);
    if (key == "INFO_NAME" || key.starts_with("TIME_"))
      continue;
    lines.push_back({std::string(key), std::string(line.substr(equals + 1))});
  }
  return lines;
}

class SilentNotifier : public Notifier {
 public:
  void Show(std::string_view, std::string_view) override {}
};

// The record a save from these pages writes; the pages stay as they are.
settings::LoggerSettings SavedFromPages(const ui::MemoryPageControls& pages) {
  ui::MemoryPageControls copy = pages;
  SilentNotifier boxes;
  settings::LoggerSettings record;
  ui::ReadSettingsFromPages(copy, record, boxes);
  return record;
}

void PrintNote(std::string_view key, std::string_view from, std::string_view where,
               std::string_view outcome, std::string_view to) {
  std::fprintf(stderr, "note: %.*s: \"%.*s\" in the %.*s %.*s \"%.*s\"\n",
               static_cast<int>(key.size()), key.data(), static_cast<int>(from.size()), from.data(),
               static_cast<int>(where.size()), where.data(), static_cast<int>(outcome.size()),
               outcome.data(), static_cast<int>(to.size()), to.data());
}

}  // namespace

void NoteFileValuesChanged(const settings::LoggerSettings& fromFile, std::string_view outcome) {
  ui::MemoryPageControls pages;
  ui::ShowSettingsOnPages(pages, fromFile);
  const std::vector<Line> before = SettingLines(fromFile);
  const std::vector<Line> after = SettingLines(SavedFromPages(pages));
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
    if (!SameValue(before[i].key, before[i].value, after[i].value))
      PrintNote(before[i].key, before[i].value, "file", outcome, after[i].value);
  }
}

SettingsRun LoggerValues::Recording(SettingsRun run) {
  return [this, run](device::CommandContext& ctx, const device::RunProgress& progress) {
    const auto outer = ctx.link.trace;
    ctx.link.trace = [this, outer](std::string_view direction, std::string_view bytes) {
      if (outer)
        outer(direction, bytes);
      Remember(direction, bytes);
    };
    const device::RunOutcome result = run(ctx, progress);
    ctx.link.trace = outer;
    return result;
  };
}

void LoggerValues::Remember(std::string_view direction, std::string_view bytes) {
  if (direction == ">") {
    // A get request: the get mnemonic, an entry index for the repeated
    // settings, CR.
    pendingKey_.clear();
    if (bytes.size() < 4)
      return;
    for (const settings::SettingName& name : settings::SettingNames) {
      if (bytes.starts_with(name.get))
        pendingKey_ = name.key;
    }
    pendingEntry_ = bytes[3] != '\r';
    pendingIndex_ = bytes[3];
    return;
  }
  if (pendingKey_.empty() || !bytes.starts_with("OK"))
    return;
  // The payload of a get reply is the setting as the file writes it.
  std::string_view value = bytes.substr(2);
  value = value.substr(0, value.find('\r'));
  if (!pendingEntry_ || (!value.empty() && value[0] == pendingIndex_))
    values_.emplace_back(pendingKey_, std::string(value));
  pendingKey_.clear();
}

void LoggerValues::NoteSavedValuesChanged(const ui::MemoryPageControls& pages) const {
  const std::vector<Line> saved = SettingLines(SavedFromPages(pages));
  for (const auto& [key, value] : values_) {
    const auto count = std::count_if(saved.begin(), saved.end(),
                                     [&](const Line& line) { return line.key == key; });
    const auto line = std::find_if(saved.begin(), saved.end(), [&](const Line& line) {
      return line.key == key && (count == 1 || line.value.starts_with(value.substr(0, 1)));
    });
    if (line != saved.end() && !SameValue(key, value, line->value))
      PrintNote(key, value, "logger", "is saved as", line->value);
  }
}

}  // namespace km62rx::cli
