#include "ui/connect_model.h"

#include <optional>

#include "device/command_texts.h"
#include "device/connect_sequence.h"
#include "device/line_choices.h"
#include "device/network_port.h"
#include "settings/control_ids.h"
#include "settings/file_messages.h"

namespace km62rx::ui {
namespace {

template <typename Choices>
std::vector<std::string> LabelsOf(const Choices& choices) {
  std::vector<std::string> labels;
  for (const auto& choice : choices)
    labels.emplace_back(choice.label.Get());
  return labels;
}

}  // namespace

const std::string* ConnectModel::Port(int index) const {
  return index >= 0 && static_cast<std::size_t>(index) < ports_.size()
             ? &ports_[static_cast<std::size_t>(index)]
             : nullptr;
}

std::vector<std::string> ConnectModel::PortItems() const {
  if (ports_.empty())
    return {std::string(device::kNoPortItem.Get())};
  return ports_;
}

std::span<const int> ConnectModel::LineCombos() {
  static constexpr int kLineCombos[] = {ids::kDataBitsCombo, ids::kParityCombo, ids::kBaudCombo,
                                        ids::kFlowCombo};
  return kLineCombos;
}

ConnectChoices ConnectModel::ChoicesOn(const device::PageControls& dialog) {
  return {dialog.ComboIndex(ids::kPortCombo), dialog.ComboIndex(ids::kDataBitsCombo),
          dialog.ComboIndex(ids::kParityCombo), dialog.ComboIndex(ids::kBaudCombo),
          dialog.ComboIndex(ids::kFlowCombo)};
}

std::vector<std::string> ConnectModel::LineItems(int comboId) {
  switch (comboId) {
    case ids::kDataBitsCombo:
      return LabelsOf(device::kDataBitsChoices);
    case ids::kParityCombo:
      return LabelsOf(device::kParityChoices);
    case ids::kBaudCombo:
      return LabelsOf(device::kBaudChoices);
    case ids::kFlowCombo:
      return LabelsOf(device::kFlowChoices);
    default:
      return {};
  }
}

bool ConnectModel::ReadyToShow(Notifier& owner) const {
  if (!ports_.empty())
    return true;
  owner.Show(settings::kErrorTitle.Get(), device::kNoPortFound.Get());
  return false;
}

bool ConnectModel::LineCombosEnabled(int portIndex) const {
  const std::string* port = Port(portIndex);
  return port == nullptr || !device::IsNetworkPortName(*port);
}

void ConnectModel::ShowPortChoice(device::PageControls& dialog) const {
  const bool enabled = LineCombosEnabled(dialog.ComboIndex(ids::kPortCombo));
  for (int id : LineCombos())
    dialog.SetEnabled(id, enabled);
}

bool ConnectModel::Connect(const ConnectChoices& choices, device::DeviceLink& link, Notifier& owner,
                           Notifier& mainWindow, const std::function<void(bool)>& opening) const {
  const std::string* port = Port(choices.port);
  if (port == nullptr)
    return false;
  const std::optional<device::LineSettings> settings =
      device::LineSettingsFromChoices(choices.dataBits, choices.parity, choices.baud, choices.flow);
  if (!settings)
    return false;
  return device::ConnectLogger(link, *port, *settings, owner, mainWindow, opening).connected;
}

}  // namespace km62rx::ui
