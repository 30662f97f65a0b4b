#pragma once

#include <memory>

#include "app/app_context.h"
#include "app/dialog_support.h"

namespace km62rx::app {

// "本体時刻設定", drawn from its description; its rules are those of
// ui/clock_model.h. Leaving a field hands it to the clamp, "PC時刻コピー"
// refills the fields, OK runs the dialog's action and closes it.
class ClockDialog : public DescribedDialog {
  Q_OBJECT

 public:
  ClockDialog(AppContext& ctx, int clockDialogTarget);
  ~ClockDialog() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const Clock& PcClock() const;

  AppContext& ctx_;
  int target_;
  std::unique_ptr<Notifier> notifier_;  // boxes owned by this dialog
};

// The clock dialog, run modally; clockDialogTarget 1 sends the typed time to
// the logger, 0 stores it in a settings file.
void RunClockDialog(AppContext& ctx, int clockDialogTarget);

}  // namespace km62rx::app
