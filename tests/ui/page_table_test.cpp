#include "ui/page_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "support/pinned_text.h"

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

// An English text for a Japanese one: not empty and without Japanese.
void ExpectEnglishFor(const std::string& japanese, const std::string& english) {
  if (HoldsJapanese(japanese)) {
    EXPECT_TRUE(!english.empty() && !HoldsJapanese(english)) << japanese << " -> " << english;
  }
}

// Every Japanese text of the window has its English: the labels, combo
// items and tree items of the page table, and the translations of the
// texts that only the Qt side shows (none unfinished, none empty).
TEST(Translation, EveryTextOfTheWindowHasItsEnglish) {
  const std::vector<ControlSpec> japanese = AllControlSpecsIn(Language::kJapanese);
  const std::vector<ControlSpec> english = AllControlSpecsIn(Language::kEnglish);
  ASSERT_EQ(japanese.size(), english.size());
  for (std::size_t i = 0; i < japanese.size(); ++i) {
    SCOPED_TRACE(japanese[i].id);
    ExpectEnglishFor(japanese[i].text, english[i].text);
    ASSERT_EQ(japanese[i].items.size(), english[i].items.size());
    for (std::size_t k = 0; k < japanese[i].items.size(); ++k)
      ExpectEnglishFor(japanese[i].items[k], english[i].items[k]);
  }
  const std::vector<TreeItemSpec> japaneseTree = TreeItemsIn(Language::kJapanese);
  const std::vector<TreeItemSpec> englishTree = TreeItemsIn(Language::kEnglish);
  ASSERT_EQ(japaneseTree.size(), englishTree.size());
  for (std::size_t i = 0; i < japaneseTree.size(); ++i)
    ExpectEnglishFor(japaneseTree[i].text, englishTree[i].text);

  const std::filesystem::path ts = KM62RX_SOURCE_DIR "/res/translations/km62rx_en.ts";
  std::ifstream file(ts);
  ASSERT_TRUE(file) << ts;
  std::stringstream content;
  content << file.rdbuf();
  const std::string text = content.str();
  const std::regex message(
      R"(<source>([^<]*)</source>\s*<translation([^>]*)>([^<]*)</translation>)");
  int count = 0;
  for (std::sregex_iterator it(text.begin(), text.end(), message), end; it != end; ++it, ++count) {
    EXPECT_EQ((*it)[2].str(), "") << (*it)[1] << " is " << (*it)[2];  // no type="unfinished"
    ExpectEnglishFor((*it)[1], (*it)[3]);
  }
  // Every message has a translation element the pattern read (an empty one
  // may be written <translation/>).
  std::size_t messages = 0;
  for (std::size_t at = text.find("<message"); at != std::string::npos;
       at = text.find("<message", at + 1))
    ++messages;
  EXPECT_EQ(static_cast<std::size_t>(count), messages);
  EXPECT_GT(count, 0);
}

}  // namespace
}  // namespace km62rx::ui
