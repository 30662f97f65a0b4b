#pragma once

#include <memory>

#include "app/app_context.h"
#include "app/dialog_support.h"
#include "ui/connect_model.h"

namespace km62rx::app {

// "シリアル接続", drawn from its description; its rules are the
// ConnectModel's. The combos show the model's items and choices, "接続"
// hands the choices to the model and closes the dialog when it connected.
class ConnectDialog : public DescribedDialog {
  Q_OBJECT

 public:
  explicit ConnectDialog(AppContext& ctx);
  ~ConnectDialog() override;

  // False when no port was found: the model's box has been shown, owned by
  // this dialog, and the dialog is not to be shown.
  bool ReadyToShow();

 private:
  void FitPortListWidth();
  // Follows the chosen port: the line-setting combos as the model says, the
  // port combo's tooltip the port's full name (the closed combo may cut it).
  void ShowPortChoice();
  void OnConnectClicked();

  AppContext& ctx_;
  ui::ConnectModel model_;
  std::unique_ptr<Notifier> notifier_;  // boxes owned by this dialog
};

// The connect dialog, run modally for the connect button.
void RunConnectDialog(AppContext& ctx);

}  // namespace km62rx::app
