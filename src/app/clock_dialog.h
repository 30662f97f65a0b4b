#pragma once

#include <array>
#include <memory>

#include "app/app_context.h"
#include "app/dialog_support.h"
#include "device/clock_commands.h"

class QLineEdit;
class QPushButton;

namespace km62rx::app {

class ClockFieldControls;

// "本体時刻設定": six fields for a date and time, filled with the PC time. OK
// sends the typed time to the logger (target 1) or stores it as the start-up
// time of a settings file (target 0), and always closes the dialog. Enter
// and Escape do not close it; "キャンセル" and the close box do.
class ClockDialog : public DescribedDialog {
  Q_OBJECT

 public:
  ClockDialog(AppContext& ctx, int clockDialogTarget);
  ~ClockDialog() override;

  // The typed time, each field read as a decimal number.
  device::TypedTime TypedTimeFromFields() const;
  // Writes the PC's local time into the six fields, without leading zeros.
  void FillFieldsWithPcTime();
  // "OK": runs the dialog's action, then closes it.
  void ApplyAndClose();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int FieldId(const QObject* object) const;

  AppContext& ctx_;
  int target_;
  std::unique_ptr<Notifier> notifier_;  // boxes owned by this dialog
  std::array<QLineEdit*, 6> fields_{};
  std::unique_ptr<ClockFieldControls> fieldControls_;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* pcTimeButton_ = nullptr;
};

// The clock dialog, run modally; clockDialogTarget 1 sends the typed time to
// the logger, 0 stores it in a settings file.
void RunClockDialog(AppContext& ctx, int clockDialogTarget);

}  // namespace km62rx::app
