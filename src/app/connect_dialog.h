#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/dialog_support.h"
#include "device/line_settings.h"

class QComboBox;
class QPushButton;

namespace km62rx::app {

// "シリアル接続": the port and the line settings that match the logger's DIP
// switches. "接続" opens the port, identifies the logger, runs the handshake
// and shows the logger clock, then closes the dialog; a failed attempt keeps
// it open with the choices as they were. Every opening starts from the first
// port and the default line settings. A network port (socket://HOST:PORT)
// keeps the server's line settings, so the line-setting combos are disabled
// while one is chosen.
class ConnectDialog : public DescribedDialog {
  Q_OBJECT

 public:
  explicit ConnectDialog(AppContext& ctx);
  ~ConnectDialog() override;

  // False when no port was found; the box "COMポートが見つかりません。" has
  // then been shown, owned by this dialog, and the dialog is not to be shown.
  bool ReadyToShow();

  // The line settings of the current choices; nothing for a choice outside
  // the lists.
  std::optional<device::LineSettings> ChosenLineSettings() const;
  // Opens the chosen port and identifies the logger. Returns 1 when a
  // KM-62RX answered, 0 otherwise (reported, port closed).
  int ConnectFromDialog();
  // "接続": connect, handshake, clock box, close.
  void OnConnectClicked();

 private:
  void FillCombos();
  void FitPortListWidth();
  // Follows the chosen port: the line-setting combos are disabled for a
  // network port, and the port combo's tooltip is the port's full name.
  void ShowPortChoice();
  void SetConnectButtonsEnabled(bool enabled);

  AppContext& ctx_;
  std::unique_ptr<Notifier> notifier_;  // boxes owned by this dialog
  std::vector<std::string> ports_;      // the port combo's names, in item order
  QComboBox* portCombo_ = nullptr;
  QComboBox* dataBitsCombo_ = nullptr;
  QComboBox* parityCombo_ = nullptr;
  QComboBox* baudCombo_ = nullptr;
  QComboBox* flowCombo_ = nullptr;
  QPushButton* connectButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

// The connect dialog, run modally for the connect button.
void RunConnectDialog(AppContext& ctx);

}  // namespace km62rx::app
