// Every text of the message tables has its English.

#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "device/command_texts.h"
#include "device/line_choices.h"
#include "device/link_errors.h"
#include "device/link_status.h"
#include "device/settings_runs.h"
#include "settings/file_messages.h"
#include "settings/reader_messages.h"
#include "settings/setting_table.h"
#include "support/pinned_text.h"
#include "ui/file_commands.h"

namespace km62rx::testing {
namespace {

template <typename Choices>
std::vector<LocalText> LabelsOf(const Choices& choices) {
  std::vector<LocalText> labels;
  for (const auto& choice : choices)
    labels.push_back(choice.label);
  return labels;
}

TEST(Translation, EveryTextOfTheTablesHasItsEnglish) {
  const std::vector<LocalText> tables[] = {
      settings::SettingTexts(),
      {settings::ReaderMessageTexts().begin(), settings::ReaderMessageTexts().end()},
      {settings::FileMessageTexts.begin(), settings::FileMessageTexts.end()},
      device::LinkErrorTexts(),
      device::SettingsRunTexts(),
      {device::LinkPanelTextTable().begin(), device::LinkPanelTextTable().end()},
      {device::CommandTexts.begin(), device::CommandTexts.end()},
      LabelsOf(device::kDataBitsChoices),
      LabelsOf(device::kParityChoices),
      {device::kNoPortItem, settings::kParameterErrorTitle},
      {ui::FileCommandTexts().begin(), ui::FileCommandTexts().end()},
  };
  for (const std::vector<LocalText>& table : tables) {
    EXPECT_FALSE(table.empty());
    for (const LocalText& text : table) {
      EXPECT_FALSE(text.japanese.empty()) << text.english;
      EXPECT_FALSE(text.english.empty() || HoldsJapanese(text.english)) << text.japanese;
    }
  }
}

}  // namespace
}  // namespace km62rx::testing
