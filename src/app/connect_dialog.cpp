#include "app/connect_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
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

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ConnectDialog::ConnectDialog(AppContext& ctx) : QDialog(ctx.mainWindow), ctx_(ctx) {
  setWindowTitle(tr("シリアル接続"));
  setObjectName(QStringLiteral("connectDialog"));
  BuildControls();
  notifier_ = ctx_.services->makeNotifier(this);
}

ConnectDialog::~ConnectDialog() = default;

void ConnectDialog::BuildControls() {
  const QFont font = DialogFont();
  setFont(font);
  const DialogUnits units(font);
  setFixedSize(units.X(300), units.Y(150));

  struct LabelSpec {
    int id;
    const char* text;
    int x, y, width, height;
  };
  static const LabelSpec kLabels[] = {
      {210, QT_TR_NOOP("※ 本体DIPスイッチと通信条件を合わせてください ※"), 5, 5, 200, 15},
      {211, QT_TR_NOOP("ポート"), 10, 25, 70, 15},
      {212, QT_TR_NOOP("データ長"), 90, 25, 70, 15},
      {213, QT_TR_NOOP("パリティ/ストップ"), 170, 25, 70, 15},
      {214, QT_TR_NOOP("通信速度"), 10, 65, 70, 15},
      {215, QT_TR_NOOP("フロー制御"), 90, 65, 70, 15},
  };
  for (const LabelSpec& def : kLabels) {
    auto* label = new QLabel(tr(def.text), this);
    NameAndPlace(label, def.id, units, def.x, def.y, def.width, def.height);
  }

  // No default button: Enter on a combo does nothing.
  connectButton_ = AddButton(this, tr("接続"), ids::kConnectOkButton, units, 80, 120, 50);
  cancelButton_ = AddButton(this, tr("キャンセル"), ids::kConnectCancelButton, units, 160, 120, 50);

  // A combo is as high as its closed box; the height of the opened list in
  // the layout table is left to the widget.
  const auto makeCombo = [&](int id, int x, int y) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QStringLiteral("ctl%1").arg(id));
    combo->setGeometry(units.X(x), units.Y(y), units.X(60), combo->sizeHint().height());
    return combo;
  };
  portCombo_ = makeCombo(ids::kPortCombo, 10, 40);
  dataBitsCombo_ = makeCombo(ids::kDataBitsCombo, 90, 40);
  parityCombo_ = makeCombo(ids::kParityCombo, 170, 40);
  baudCombo_ = makeCombo(ids::kBaudCombo, 10, 80);
  flowCombo_ = makeCombo(ids::kFlowCombo, 90, 80);

  // The ports as discovery lists them, not sorted; the placeholder when none.
  ports_ = ctx_.services->listPorts ? ctx_.services->listPorts() : std::vector<std::string>{};
  for (const std::string& port : ports_)
    portCombo_->addItem(FromUtf8(port));
  if (ports_.empty())
    portCombo_->addItem(FromUtf8(device::kNoPortItem.Get()));
  portCombo_->setCurrentIndex(0);
  FitPortListWidth();

  const auto fill = [](QComboBox* combo, const auto& choices) {
    for (const auto& choice : choices)
      combo->addItem(FromUtf8(choice.label.Get()));
    combo->setCurrentIndex(0);
  };
  fill(dataBitsCombo_, device::kDataBitsChoices);
  fill(parityCombo_, device::kParityChoices);
  fill(baudCombo_, device::kBaudChoices);
  fill(flowCombo_, device::kFlowChoices);

  // Tab order as the controls stand in the template: the buttons, then the
  // combos.
  setTabOrder(connectButton_, cancelButton_);
  setTabOrder(cancelButton_, portCombo_);
  setTabOrder(portCombo_, dataBitsCombo_);
  setTabOrder(dataBitsCombo_, parityCombo_);
  setTabOrder(parityCombo_, baudCombo_);
  setTabOrder(baudCombo_, flowCombo_);

  // The dialog opens with the port list focused, so that Enter pressed
  // straight away presses no button.
  portCombo_->setFocus();

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

void ConnectDialog::keyPressEvent(QKeyEvent* event) {
  if (!HandleDialogKey(*this, *event))
    QDialog::keyPressEvent(event);
}

void RunConnectDialog(AppContext& ctx) {
  ConnectDialog dialog(ctx);
  if (!dialog.ReadyToShow())
    return;
  dialog.exec();
}

}  // namespace km62rx::app
