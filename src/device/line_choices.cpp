#include "device/line_choices.h"

namespace km62rx::device {
namespace {

// The item at index, or nothing when index is outside the list.
template <typename Value, std::size_t N>
const LineChoice<Value>* At(const std::array<LineChoice<Value>, N>& choices, int index) {
  if (index < 0 || index >= static_cast<int>(N))
    return nullptr;
  return &choices[static_cast<std::size_t>(index)];
}

}  // namespace

std::optional<LineSettings> LineSettingsFromChoices(int dataBitsIndex, int parityIndex,
                                                    int baudIndex, int flowIndex) {
  const auto* dataBits = At(kDataBitsChoices, dataBitsIndex);
  const auto* parity = At(kParityChoices, parityIndex);
  const auto* baud = At(kBaudChoices, baudIndex);
  const auto* flow = At(kFlowChoices, flowIndex);
  if (dataBits == nullptr || parity == nullptr || baud == nullptr || flow == nullptr)
    return std::nullopt;
  LineSettings settings;
  settings.baudRate = baud->value;
  settings.dataBits = dataBits->value;
  settings.parity = parity->value.parity;
  settings.stopBits = parity->value.stopBits;
  settings.parityCheck = parity->value.parityCheck;
  settings.xonXoff = flow->value;
  return settings;
}

}  // namespace km62rx::device
