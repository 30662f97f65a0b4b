#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/page_controls.h"

namespace km62rx::testing {

// One expected state of a page control.
struct PageExpect {
  enum class Kind { kText, kChecked, kCombo };
  Kind kind;
  int id;
  std::string text;
  int value = 0;
};

inline PageExpect TextIs(int id, std::string text) {
  return {PageExpect::Kind::kText, id, std::move(text)};
}
inline PageExpect CheckedIs(int id, bool checked) {
  return {PageExpect::Kind::kChecked, id, {}, checked ? 1 : 0};
}
inline PageExpect ComboIs(int id, int index) {
  return {PageExpect::Kind::kCombo, id, {}, index};
}

inline void ExpectPages(const device::PageControls& pages, const std::vector<PageExpect>& expects) {
  for (const PageExpect& e : expects) {
    switch (e.kind) {
      case PageExpect::Kind::kText:
        EXPECT_EQ(pages.Text(e.id), e.text) << "text of " << e.id;
        break;
      case PageExpect::Kind::kChecked:
        EXPECT_EQ(pages.Checked(e.id), e.value == 1) << "check box " << e.id;
        break;
      case PageExpect::Kind::kCombo:
        EXPECT_EQ(pages.ComboIndex(e.id), e.value) << "combo " << e.id;
        break;
    }
  }
}

}  // namespace km62rx::testing
