#include "device/line_choices.h"

#include "device/leading_decimal.h"

namespace km62rx::device {

std::optional<LineSettings> LineSettingsFromChoices(int dataBitsIndex, int parityIndex,
                                                    std::string_view baudText, int flowIndex) {
  if (dataBitsIndex < 0 || dataBitsIndex >= static_cast<int>(kDataBitsItems.size())) {
    return std::nullopt;
  }
  LineSettings settings;
  settings.dataBits = static_cast<std::uint8_t>(8 - dataBitsIndex);
  switch (parityIndex) {
    case 0:
      settings.parity = kParityNone;
      settings.stopBits = kTwoStopBits;
      settings.parityCheck = 0;
      break;
    case 1:
      settings.parity = kParityEven;
      settings.stopBits = kOneStopBit;
      settings.parityCheck = 1;
      break;
    case 2:
      settings.parity = kParityOdd;
      settings.stopBits = kOneStopBit;
      settings.parityCheck = 1;
      break;
    default:
      return std::nullopt;
  }
  const long long baud = LeadingDecimal(baudText);
  if (baud <= 0 || baud > 0xFFFFFFFFLL)
    return std::nullopt;
  settings.baudRate = static_cast<std::uint32_t>(baud);
  settings.xonXoff = flowIndex == 0 ? 0 : 1;
  return settings;
}

}  // namespace km62rx::device
