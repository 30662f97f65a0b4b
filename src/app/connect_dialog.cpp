#include "app/connect_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "settings/control_ids.h"

namespace km62rx::app {
namespace {

void Fill(QComboBox* combo, const std::vector<std::string>& items) {
  for (const std::string& item : items)
    combo->addItem(QtText(item));
  combo->setCurrentIndex(0);
}

}  // namespace

ConnectDialog::ConnectDialog(AppContext& ctx)
    : DescribedDialog(ui::ConnectDialogDescription(), ctx.mainWindow),
      ctx_(ctx),
      model_(ctx.services->listPorts ? ctx.services->listPorts() : std::vector<std::string>{}) {
  auto* ports = Widget<QComboBox>(ids::kPortCombo);
  Fill(ports, model_.PortItems());
  FitPortListWidth();
  for (int id : ui::ConnectModel::LineCombos())
    Fill(Widget<QComboBox>(id), ui::ConnectModel::LineItems(id));
  connect(ports, &QComboBox::currentIndexChanged, this, [this] { ShowPortChoice(); });
  ShowPortChoice();
  connect(Widget<QPushButton>(ids::kConnectOkButton), &QPushButton::clicked, this,
          [this] { OnConnectClicked(); });
  connect(Widget<QPushButton>(ids::kConnectCancelButton), &QPushButton::clicked, this,
          &QDialog::reject);
  notifier_ = ctx_.services->makeNotifier(this);
}

ConnectDialog::~ConnectDialog() = default;

void ConnectDialog::FitPortListWidth() {
  // The closed combo keeps its size; its opened list is as wide as the
  // longest name needs.
  auto* ports = Widget<QComboBox>(ids::kPortCombo);
  QAbstractItemView* list = ports->view();
  int widest = 0;
  for (int i = 0; i < ports->count(); ++i)
    widest = std::max(widest, list->fontMetrics().horizontalAdvance(ports->itemText(i)));
  const int margins = list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth() +
                      list->fontMetrics().averageCharWidth() * 2;
  list->setMinimumWidth(widest + margins);
}

void ConnectDialog::ShowPortChoice() {
  model_.ShowPortChoice(*this);
  auto* ports = Widget<QComboBox>(ids::kPortCombo);
  ports->setToolTip(ports->currentText());
}

bool ConnectDialog::ReadyToShow() {
  return model_.ReadyToShow(*notifier_);
}

void ConnectDialog::OnConnectClicked() {
  const ui::BusyScope busy(*ctx_.host);  // opening, identifying, the handshake and the clock
  const ui::ConnectChoices choices = ui::ConnectModel::ChoicesOn(*this);
  const auto opening = [this](bool on) {
    for (int id : {ids::kConnectOkButton, ids::kConnectCancelButton})
      Widget<QPushButton>(id)->setEnabled(!on);
  };
  if (model_.Connect(choices, *ctx_.link, *notifier_, *ctx_.mainNotifier, opening))
    accept();
}

void RunConnectDialog(AppContext& ctx) {
  ConnectDialog dialog(ctx);
  if (dialog.ReadyToShow())
    dialog.exec();
}

}  // namespace km62rx::app
