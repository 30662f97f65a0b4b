// Every text of the message tables has its English.

#include <gtest/gtest.h>

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

TEST(Translation, EveryTextOfTheTablesHasItsEnglish) {
  std::vector<LocalText> texts = settings::SettingTexts();
  for (const std::vector<LocalText>& table : {device::LinkErrorTexts(), device::SettingsRunTexts()})
    texts.insert(texts.end(), table.begin(), table.end());
  for (const auto table : {settings::ReaderMessageTexts(), device::LinkPanelTextTable(),
                           ui::FileCommandTexts(), std::span<const LocalText>(device::CommandTexts),
                           std::span<const LocalText>(settings::FileMessageTexts)})
    texts.insert(texts.end(), table.begin(), table.end());
  texts.insert(texts.end(), {device::kNoPortItem, settings::kParameterErrorTitle,
                             device::kDataBitsChoices[0].label, device::kParityChoices[0].label});
  for (const LocalText& text : texts) {
    EXPECT_FALSE(text.japanese.empty()) << text.english;
    EXPECT_FALSE(text.english.empty() || HoldsJapanese(text.english)) << text.japanese;
  }
}

}  // namespace km62rx::testing
