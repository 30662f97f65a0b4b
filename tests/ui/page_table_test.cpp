#include "ui/page_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>

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
// that only the Qt side shows (none unfinished, none empty).
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

  std::ifstream file(KM62RX_SOURCE_DIR "/res/translations/km62rx_en.ts");
  const std::string ts{std::istreambuf_iterator<char>(file), {}};
  EXPECT_EQ(ts.find("unfinished"), std::string::npos);
  EXPECT_EQ(ts.find("<translation/>"), std::string::npos);
  const std::regex message(R"(<source>([^<]*)</source>\s*<translation>([^<]*)</translation>)");
  int count = 0;
  for (std::sregex_iterator it(ts.begin(), ts.end(), message), end; it != end; ++it, ++count)
    ExpectEnglishFor((*it)[1], (*it)[2]);
  EXPECT_GT(count, 0);
}

}  // namespace
}  // namespace km62rx::ui
