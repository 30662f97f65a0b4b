#pragma once

#include <array>
#include <string>
#include <string_view>

#include "settings/language.h"

// The boxes of the connection, clock and settings commands that are not
// failures of the link (those are in link_errors.cpp).

namespace km62rx::device {

// After connecting: the logger's clock, %s is its time.
inline constexpr LocalText kConnectedTitle{"接続しました", "Connected"};
inline constexpr LocalText kLoggerClockText{"本体時刻 : %s", "Logger clock: %s"};
// The clock a logger that was never set reports, in place of %s.
inline constexpr LocalText kClockNotSet{"未設定", "not set"};

// After setting the clock: the time the logger now holds, %s.
inline constexpr LocalText kClockSetTitle{"本体時刻設定", "Logger clock set"};
inline constexpr LocalText kClockSetText{"%s に設定しました。", "The logger clock was set to %s."};

// A value a send changed to fit its limit; a stop entry sent off for want of
// data bytes.
inline constexpr LocalText kLimitWarningTitle{"警告", "Warning"};
inline constexpr LocalText kEmptyDataTitle{"設定エラー", "Setting error"};

// No serial port was found (the connect dialog and the port list), under
// the title "Error" of the file boxes.
inline constexpr LocalText kNoPortFound{"COMポートが見つかりません。", "No serial port was found."};

inline constexpr std::array CommandTexts{kConnectedTitle, kLoggerClockText, kClockNotSet,
                                         kClockSetTitle,  kClockSetText,    kLimitWarningTitle,
                                         kEmptyDataTitle, kNoPortFound};

// The text of the current language with its %s replaced by value.
inline std::string WithValue(LocalText text, std::string_view value) {
  std::string result(text.Get());
  if (const std::size_t at = result.find("%s"); at != std::string::npos)
    result.replace(at, 2, value);
  return result;
}

}  // namespace km62rx::device
