#include "settings/control_ids.h"
#include "ui/clock_model.h"
#include "ui/field_rules.h"
#include "win32/described_dialog.h"
#include "win32/dialogs.h"

namespace km62rx::win32 {
namespace {

// "本体時刻設定", drawn from its description; its rules are those of
// ui/clock_model.h. Leaving a field clamps it, "PC時刻コピー" refills the
// fields, OK runs the dialog's action and closes it.
class ClockDialog final : public DescribedDialog {
 public:
  ClockDialog(const WindowContext& ctx, int clockDialogTarget)
      : DescribedDialog(ui::ClockDialogDescription()), ctx_(ctx), target_(clockDialogTarget) {}

 private:
  void OnInit() override {
    notifier_ = MakeDialogNotifier(ctx_, Handle());
    ui::FillClockFields(*this, PcClock());
    SetText(ids::kClockHintLine, ui::ClockHint(target_));
  }

  void OnCommand(int id, int code) override {
    if (code == EN_KILLFOCUS && ui::IsClampedField(id)) {
      // A focused field loses its focus while the dialog is torn down; the
      // clamp must not run then.
      if (!Closing())
        ui::ClampNumericField(id, *this);
      return;
    }
    if (code != BN_CLICKED)
      return;
    if (id == ids::kPcTimeButton) {
      ui::FillClockFields(*this, PcClock());
    } else if (id == ids::kClockOkButton) {
      {
        const ActionScope action(*this);
        ui::ApplyClockDialog(target_, FocusedControl(), *this, *ctx_.link, *notifier_,
                             *ctx_.mainNotifier, *ctx_.host);
      }
      Close();  // whatever happened
    } else if (id == ids::kClockCancelButton) {
      Close();
    }
  }

  const Clock& PcClock() const {
    static const SystemClock systemClock;
    return ctx_.clock != nullptr ? *ctx_.clock : systemClock;
  }

  const WindowContext& ctx_;
  int target_;
  std::unique_ptr<Notifier> notifier_;  // boxes owned by this dialog
};

}  // namespace

void RunClockDialog(const WindowContext& ctx, int clockDialogTarget) {
  ClockDialog dialog(ctx, clockDialogTarget);
  dialog.Run(ctx.mainWindow);
}

}  // namespace km62rx::win32
