#include "ui/page_table.h"

#include <gtest/gtest.h>

#include <map>

#include "device/command_texts.h"
#include "device/line_choices.h"
#include "device/link_errors.h"
#include "device/link_status.h"
#include "device/settings_runs.h"
#include "settings/file_messages.h"
#include "settings/reader_messages.h"
#include "settings/setting_table.h"
#include "support/pinned_text.h"
#include "ui/dialog_descriptions.h"
#include "ui/file_commands.h"
#include "ui/main_window_description.h"

namespace km62rx::ui {
namespace {

using testing::HoldsJapanese;

// The start and stop trigger pages share one frame; every other ID is unique.
TEST(PageTable, IdsAreUniqueExceptTheSharedFrame) {
  std::map<int, std::vector<int>> pagesOf;
  for (const auto* table : {&LinkPanelControls(), &SettingsAreaControls(), &PageControlSpecs()}) {
    for (const ControlSpec& def : *table)
      pagesOf[def.id].push_back(def.page);
  }
  for (const auto& [id, pages] : pagesOf) {
    if (pages.size() > 1) {
      EXPECT_EQ(pages, (std::vector<int>{1, 4})) << "id " << id;
    }
  }
  EXPECT_EQ(FindControlSpec(999), nullptr);
}

// An English text for each Japanese one: not empty and without Japanese.
void ExpectEnglishFor(const std::string& japanese, const std::string& english) {
  EXPECT_TRUE(!HoldsJapanese(japanese) || (!english.empty() && !HoldsJapanese(english)))
      << japanese << " -> " << english;
}

// Every Japanese text has its English: the message tables, the labels, combo
// items and tree items of the page table, and the translations of the texts
// of the window's own descriptions.
TEST(Translation, EveryTextHasItsEnglish) {
  std::vector<LocalText> texts = settings::SettingTexts();
  for (const std::vector<LocalText>& table : {device::LinkErrorTexts(), device::SettingsRunTexts()})
    texts.insert(texts.end(), table.begin(), table.end());
  for (const auto table : {settings::ReaderMessageTexts(), device::LinkPanelTextTable(),
                           FileCommandTexts(), std::span<const LocalText>(device::CommandTexts),
                           std::span<const LocalText>(settings::FileMessageTexts)})
    texts.insert(texts.end(), table.begin(), table.end());
  texts.insert(texts.end(), {device::kNoPortItem, settings::kParameterErrorTitle,
                             device::kDataBitsChoices[0].label, device::kParityChoices[0].label});
  for (const LocalText& text : texts) {
    EXPECT_FALSE(text.japanese.empty()) << text.english;
    ExpectEnglishFor(std::string(text.japanese), std::string(text.english));
  }

  const std::vector<ControlSpec> japanese = AllControlSpecsIn(Language::kJapanese);
  const std::vector<ControlSpec> english = AllControlSpecsIn(Language::kEnglish);
  ASSERT_EQ(japanese.size(), english.size());
  for (std::size_t i = 0; i < japanese.size(); ++i) {
    ExpectEnglishFor(japanese[i].text, english[i].text);
    for (std::size_t k = 0; k < japanese[i].items.size(); ++k)
      ExpectEnglishFor(japanese[i].items[k], english[i].items.at(k));
  }
  const std::vector<TreeItemSpec> tree = TreeItemsIn(Language::kJapanese);
  for (std::size_t i = 0; i < tree.size(); ++i)
    ExpectEnglishFor(tree[i].text, TreeItemsIn(Language::kEnglish).at(i).text);

  // The window's own texts: dialog titles and controls, menus.
  std::vector<LocalText> window;
  for (const DialogDescription* dialog :
       {&ConnectDialogDescription(), &ClockDialogDescription(), &AboutDialogDescription()}) {
    window.push_back(dialog->title);
    for (const DialogControl& control : dialog->controls)
      window.push_back(control.text);
  }
  for (const Menu& menu : DescribedMainWindow().menus) {
    window.push_back(menu.title);
    for (const MenuItem& item : menu.items)
      window.push_back(item.text);
  }
  for (const LocalText& text : window)
    ExpectEnglishFor(std::string(text.japanese), std::string(text.english));
}

}  // namespace
}  // namespace km62rx::ui
