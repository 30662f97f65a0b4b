#pragma once

#include <span>
#include <string_view>

namespace km62rx::ui {

// A font of the window: a fixed-pitch Japanese face where columns line up
// by blanks, the first of the faces that is installed.
struct FontDescription {
  std::span<const std::string_view> faces;  // in order of preference
  int pixelSize = 0;                        // one of the two sizes is set
  int pointSize = 0;
};

inline constexpr std::string_view kJapaneseFixedFaces[] = {
    "ＭＳ ゴシック", "MS Gothic", "Noto Sans Mono CJK JP", "Noto Sans Mono CJK",
    "VL Gothic",     "IPAGothic", "TakaoGothic",
};

// The main window's controls: 12 pixels high.
inline constexpr FontDescription kWindowFont{kJapaneseFixedFaces, 12, 0};
// The dialogs, in whose base units their layouts are given: 10 points.
inline constexpr FontDescription kDialogFont{kJapaneseFixedFaces, 0, 10};

}  // namespace km62rx::ui
