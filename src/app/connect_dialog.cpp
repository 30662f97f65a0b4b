#include "app/connect_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <string_view>

#include "app/busy_cursor.h"
#include "app/dialog_support.h"
#include "device/command_texts.h"
#include "device/connection.h"
#include "device/line_choices.h"
#include "device/link_errors.h"
#include "device/network_port.h"
#include "device/open_port.h"
#include "settings/control_ids.h"
#include "settings/file_messages.h"
#include "settings/language.h"

namespace km62rx::app {

ConnectDialog::ConnectDialog(AppContext& ctx)
    : DescribedDialog(ui::ConnectDialogDescription(), ctx.mainWindow), ctx_(ctx) {
  portCombo_ = Widget<QComboBox>(ids::kPortCombo);
  dataBitsCombo_ = Widget<QComboBox>(ids::kDataBitsCombo);
  parityCombo_ = Widget<QComboBox>(ids::kParityCombo);
  baudCombo_ = Widget<QComboBox>(ids::kBaudCombo);
  flowCombo_ = Widget<QComboBox>(ids::kFlowCombo);
  connectButton_ = Widget<QPushButton>(ids::kConnectOkButton);
  cancelButton_ = Widget<QPushButton>(ids::kConnectCancelButton);
  FillCombos();
  notifier_ = ctx_.services->makeNotifier(this);
}

ConnectDialog::~ConnectDialog() = default;

void ConnectDialog::FillCombos() {
  // The ports as discovery lists them, not sorted; the placeholder when none.
  ports_ = ctx_.services->listPorts ? ctx_.services->listPorts() : std::vector<std::string>{};
  for (const std::string& port : ports_)
    portCombo_->addItem(QtText(port));
  if (ports_.empty())
    portCombo_->addItem(QtText(device::kNoPortItem.Get()));
  portCombo_->setCurrentIndex(0);
  FitPortListWidth();

  const auto fill = [](QComboBox* combo, const auto& choices) {
    for (const auto& choice : choices)
      combo->addItem(QtText(choice.label.Get()));
    combo->setCurrentIndex(0);
  };
  fill(dataBitsCombo_, device::kDataBitsChoices);
  fill(parityCombo_, device::kParityChoices);
  fill(baudCombo_, device::kBaudChoices);
  fill(flowCombo_, device::kFlowChoices);

  connect(portCombo_, &QComboBox::currentIndexChanged, this, [this] { ShowPortChoice(); });
  ShowPortChoice();
  connect(connectButton_, &QPushButton::clicked, this, [this] { OnConnectClicked(); });
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void ConnectDialog::FitPortListWidth() {
  // The closed combo keeps its size; its opened list is as wide as the
  // longest name needs.
  QAbstractItemView* list = portCombo_->view();
  int widest = 0;
  for (int i = 0; i < portCombo_->count(); ++i)
    widest = std::max(widest, list->fontMetrics().horizontalAdvance(portCombo_->itemText(i)));
  const int margins = list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth() +
                      list->fontMetrics().averageCharWidth() * 2;
  list->setMinimumWidth(widest + margins);
}

void ConnectDialog::ShowPortChoice() {
  const int index = portCombo_->currentIndex();
  const bool network = index >= 0 && static_cast<std::size_t>(index) < ports_.size() &&
                       device::IsNetworkPortName(ports_[static_cast<std::size_t>(index)]);
  // A network port keeps the line settings of the server it is shared by.
  for (QComboBox* combo : {dataBitsCombo_, parityCombo_, baudCombo_, flowCombo_})
    combo->setEnabled(!network);
  // The closed combo may cut a long name short.
  portCombo_->setToolTip(portCombo_->currentText());
}

bool ConnectDialog::ReadyToShow() {
  if (!ports_.empty())
    return true;
  notifier_->Show(std::string(settings::kErrorTitle.Get()),
                  std::string(device::kNoPortFound.Get()));
  return false;
}

std::optional<device::LineSettings> ConnectDialog::ChosenLineSettings() const {
  return device::LineSettingsFromChoices(dataBitsCombo_->currentIndex(),
                                         parityCombo_->currentIndex(), baudCombo_->currentIndex(),
                                         flowCombo_->currentIndex());
}

void ConnectDialog::SetConnectButtonsEnabled(bool enabled) {
  connectButton_->setEnabled(enabled);
  cancelButton_->setEnabled(enabled);
}

int ConnectDialog::ConnectFromDialog() {
  // The placeholder "なし" stands for no port: nothing to open.
  const int portIndex = portCombo_->currentIndex();
  if (portIndex < 0 || static_cast<std::size_t>(portIndex) >= ports_.size())
    return 0;
  const std::optional<device::LineSettings> settings = ChosenLineSettings();
  if (!settings)
    return 0;

  SetConnectButtonsEnabled(false);
  const device::LinkResult opened =
      device::OpenDevicePort(*ctx_.link, ports_[static_cast<std::size_t>(portIndex)], *settings);
  SetConnectButtonsEnabled(true);
  if (opened != device::LinkResult::kOk) {
    device::ReportLinkError(opened, *notifier_);
    device::CloseDeviceLink(*ctx_.link);
    return 0;
  }
  return 1;
}

void ConnectDialog::OnConnectClicked() {
  const BusyCursor busy;  // opening, identifying, the handshake and the clock
  if (ConnectFromDialog() != 1)
    return;
  device::QueryDeviceStatus(*ctx_.link, *ctx_.mainNotifier);
  device::RefreshLinkStatus(*ctx_.link);
  // A handshake that disconnected keeps the dialog open for another try.
  if (ctx_.link->connected != 1)
    return;
  device::ShowDeviceClock(*ctx_.link, *notifier_);
  accept();
}

void RunConnectDialog(AppContext& ctx) {
  ConnectDialog dialog(ctx);
  if (!dialog.ReadyToShow())
    return;
  dialog.exec();
}

}  // namespace km62rx::app
