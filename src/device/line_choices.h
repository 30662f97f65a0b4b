#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "device/line_settings.h"

namespace km62rx::device {

// Items of the connect dialog's line-setting combos, in list order; item 0
// of each is the default.
inline constexpr std::array<std::string_view, 2> kDataBitsItems = {"8ビット", "7ビット"};  // 301
inline constexpr std::array<std::string_view, 3> kParityItems = {                          // 302
    "なし / 2bit", "EVEN / 1bit", "ODD  / 1bit"};
inline constexpr std::array<std::string_view, 8> kBaudItems = {  // 303
    "115200", "38400", "19200", "9600", "4800", "2400", "1200", "600"};
inline constexpr std::array<std::string_view, 2> kFlowItems = {"CTS/RTS", "XON/XOFF"};  // 304

// The single item of the port combo when no port was found.
inline constexpr std::string_view kNoPortItem = "なし";

// Maps the dialog's choices to line settings: data bits 8 - index, the
// parity/stop item (none with two stop bits, even or odd with one stop bit
// and parity checking), the baud rate as the decimal value of its item text,
// CTS/RTS for flow index 0 and XON/XOFF for any other. Nothing when an index
// is outside its list or the baud text holds no number.
std::optional<LineSettings> LineSettingsFromChoices(int dataBitsIndex, int parityIndex,
                                                    std::string_view baudText, int flowIndex);

}  // namespace km62rx::device
