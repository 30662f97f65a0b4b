#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "settings/language.h"

namespace km62rx::testing {

// True when the UTF-8 text holds a kana, kanji or full-width sign: the mark
// of a Japanese text that an English run must never show.
inline bool HoldsJapanese(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    // Every character from U+3000 to U+9FFF and the full-width forms
    // (U+FF00-U+FFEF) start with one of these three-byte lead bytes.
    if ((lead >= 0xE3 && lead <= 0xE9) || lead == 0xEF)
      return true;
  }
  return false;
}

// The tests pin the program's own Japanese texts. Run under an English locale
// (the suites' second run), a text the test meets must instead hold no
// Japanese at all and not be empty.
inline ::testing::AssertionResult TextMatches(std::string_view actual, std::string_view japanese) {
  if (CurrentLanguage() == Language::kJapanese) {
    if (actual == japanese)
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << actual << "\" is not \"" << japanese << "\"";
  }
  if (!actual.empty() && !HoldsJapanese(actual))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "\"" << actual << "\" (for \"" << japanese << "\") is empty or holds Japanese";
}

}  // namespace km62rx::testing

#define EXPECT_TEXT(actual, japanese) EXPECT_TRUE(::km62rx::testing::TextMatches(actual, japanese))
