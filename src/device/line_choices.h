#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "device/line_settings.h"
#include "settings/language.h"

namespace km62rx::device {

// One item of a line-setting combo: the text the connect dialog lists, the
// word the command line takes for it, and the value it stands for.
template <typename Value>
struct LineChoice {
  LocalText label;
  std::string_view option;
  Value value;
};

// What a parity item sets: parity, stop bits and parity checking together.
struct ParityValue {
  std::uint8_t parity;
  std::uint8_t stopBits;
  int parityCheck;
};

// The connect dialog's combos, in list order; item 0 of each is the
// default.
inline constexpr std::array<LineChoice<std::uint8_t>, 2> kDataBitsChoices{{
    {{"8ビット", "8 bits"}, "8", 8},
    {{"7ビット", "7 bits"}, "7", 7},
}};
inline constexpr std::array<LineChoice<ParityValue>, 3> kParityChoices{{
    {{"なし / 2bit", "None/2 bits"}, "none", {kParityNone, kTwoStopBits, 0}},
    {{"EVEN / 1bit", "Even/1 bit"}, "even", {kParityEven, kOneStopBit, 1}},
    {{"ODD  / 1bit", "Odd/1 bit"}, "odd", {kParityOdd, kOneStopBit, 1}},
}};
inline constexpr std::array<LineChoice<std::uint32_t>, 8> kBaudChoices{{
    {{"115200", "115200"}, "115200", 115200},
    {{"38400", "38400"}, "38400", 38400},
    {{"19200", "19200"}, "19200", 19200},
    {{"9600", "9600"}, "9600", 9600},
    {{"4800", "4800"}, "4800", 4800},
    {{"2400", "2400"}, "2400", 2400},
    {{"1200", "1200"}, "1200", 1200},
    {{"600", "600"}, "600", 600},
}};
// The value is the XON/XOFF flag.
inline constexpr std::array<LineChoice<int>, 2> kFlowChoices{{
    {{"CTS/RTS", "CTS/RTS"}, "rtscts", 0},
    {{"XON/XOFF", "XON/XOFF"}, "xonxoff", 1},
}};

// The single item of the port combo when no port was found.
inline constexpr LocalText kNoPortItem{"なし", "None"};

// The line settings of one item of each combo. Nothing when an index is
// outside its list.
std::optional<LineSettings> LineSettingsFromChoices(int dataBitsIndex, int parityIndex,
                                                    int baudIndex, int flowIndex);

}  // namespace km62rx::device
