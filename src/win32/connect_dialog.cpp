#include <algorithm>

#include "settings/control_ids.h"
#include "ui/connect_model.h"
#include "win32/described_dialog.h"
#include "win32/dialogs.h"
#include "win32/wide_text.h"

namespace km62rx::win32 {
namespace {

// "シリアル接続", drawn from its description; its rules are the
// ConnectModel's. The combos show the model's items, "接続" hands the
// choices to the model and closes the dialog when it connected.
class ConnectDialog final : public DescribedDialog {
 public:
  explicit ConnectDialog(const WindowContext& ctx)
      : DescribedDialog(ui::ConnectDialogDescription()),
        ctx_(ctx),
        model_(ctx.listPorts ? ctx.listPorts() : std::vector<std::string>{}) {}

 private:
  void OnInit() override {
    notifier_ = MakeDialogNotifier(ctx_, Handle());
    FillCombo(ids::kPortCombo, model_.PortItems());
    FitPortListWidth();
    for (int id : ui::ConnectModel::LineCombos())
      FillCombo(id, ui::ConnectModel::LineItems(id));
    model_.ShowPortChoice(*this);
    // Without a port the model's box is shown and the dialog never is.
    if (!model_.ReadyToShow(*notifier_))
      Close();
  }

  void OnCommand(int id, int code) override {
    if (id == ids::kPortCombo && code == CBN_SELCHANGE)
      model_.ShowPortChoice(*this);
    else if (id == ids::kConnectOkButton && code == BN_CLICKED)
      ConnectWithChoices();
    else if (id == ids::kConnectCancelButton && code == BN_CLICKED)
      Close();
  }

  // The closed combo keeps its size; its opened list is as wide as the
  // longest name needs.
  void FitPortListWidth() {
    const HWND combo = Control(ids::kPortCombo);
    const HDC dc = GetDC(combo);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(combo, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::string& item : model_.PortItems()) {
      const std::wstring text = Widen(item);
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      widest = std::max<int>(widest, size.cx);
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(combo, dc);
    const int margins = GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXEDGE) +
                        2 * metrics.tmAveCharWidth;
    SendMessageW(combo, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(widest + margins), 0);
  }

  void ConnectWithChoices() {
    const ActionScope action(*this);
    const ui::BusyScope busy(*ctx_.host);  // opening, identifying, the handshake and the clock
    const ui::ConnectChoices choices = ui::ConnectModel::ChoicesOn(*this);
    const HWND focused = GetFocus();
    const auto opening = [this, focused](bool on) {
      for (int id : {ids::kConnectOkButton, ids::kConnectCancelButton})
        SetEnabled(id, !on);
      if (on) {
        UpdateWindow(Handle());  // the buttons show as off while the port opens
      } else if (GetFocus() == nullptr && IsWindow(focused)) {
        SetFocus(focused);  // a button that was turned off lost the focus
      }
    };
    if (model_.Connect(choices, *ctx_.link, *notifier_, *ctx_.mainNotifier, opening))
      Close();
  }

  const WindowContext& ctx_;
  ui::ConnectModel model_;
  std::unique_ptr<Notifier> notifier_;  // boxes owned by this dialog
};

}  // namespace

void RunConnectDialog(const WindowContext& ctx) {
  ConnectDialog dialog(ctx);
  dialog.Run(ctx.mainWindow);
}

}  // namespace km62rx::win32
