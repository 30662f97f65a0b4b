#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "device/device_link.h"
#include "device/page_controls.h"
#include "settings/notifier.h"

namespace km62rx::ui {

// The choices of the connect dialog: the selected item of each combo.
struct ConnectChoices {
  int port = 0;
  int dataBits = 0;
  int parity = 0;
  int baud = 0;
  int flow = 0;
};

// The connect dialog's rules, apart from its widgets. Every opening starts
// from the ports listed then, the first port and the default line settings.
class ConnectModel {
 public:
  explicit ConnectModel(std::vector<std::string> ports) : ports_(std::move(ports)) {}

  // The port combo's items: the ports as listed, not sorted, or the
  // placeholder "なし" when there is none.
  std::vector<std::string> PortItems() const;
  // The line-setting combos (301 to 304), in the dialog's order, and the
  // items of each.
  static std::span<const int> LineCombos();
  static std::vector<std::string> LineItems(int comboId);
  // The choices the dialog's combos show.
  static ConnectChoices ChoicesOn(const device::PageControls& dialog);

  // False when no port was found: the box "COMポートが見つかりません。" has
  // been shown to owner, and the dialog is not to be shown.
  bool ReadyToShow(Notifier& owner) const;

  // Whether the line-setting combos can be changed for the chosen port: a
  // network port (socket://HOST:PORT) keeps the line settings of the server
  // it is shared by.
  bool LineCombosEnabled(int portIndex) const;
  // Turns the line-setting combos on or off for the port the dialog's port
  // combo shows.
  void ShowPortChoice(device::PageControls& dialog) const;

  // "接続": connects with the choices (nothing for the placeholder or a
  // choice outside the lists). opening tells when the port is being opened,
  // during which the dialog's buttons are off. True when the logger is
  // connected and its clock was shown: the dialog then closes; a failed
  // attempt keeps it open with the choices as they were.
  bool Connect(const ConnectChoices& choices, device::DeviceLink& link, Notifier& owner,
               Notifier& mainWindow, const std::function<void(bool opening)>& opening) const;

 private:
  const std::string* Port(int index) const;

  std::vector<std::string> ports_;
};

}  // namespace km62rx::ui
