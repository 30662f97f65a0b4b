#include "app/clock_dialog.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include "settings/control_ids.h"
#include "ui/clock_model.h"
#include "ui/field_rules.h"

namespace km62rx::app {

ClockDialog::ClockDialog(AppContext& ctx, int clockDialogTarget)
    : DescribedDialog(ui::ClockDialogDescription(), ctx.mainWindow),
      ctx_(ctx),
      target_(clockDialogTarget) {
  for (int id : ids::kClockFields)
    Widget<QLineEdit>(id)->installEventFilter(this);
  connect(Widget<QPushButton>(ids::kPcTimeButton), &QPushButton::clicked, this,
          [this] { ui::FillClockFields(*this, PcClock()); });
  connect(Widget<QPushButton>(ids::kClockOkButton), &QPushButton::clicked, this, [this] {
    ui::ApplyClockDialog(target_, FocusedControl(), *this, *ctx_.link, *notifier_,
                         *ctx_.mainNotifier, *ctx_.host);
    accept();
  });
  connect(Widget<QPushButton>(ids::kClockCancelButton), &QPushButton::clicked, this,
          &QDialog::reject);
  notifier_ = ctx_.services->makeNotifier(this);
  ui::FillClockFields(*this, PcClock());
  SetText(ids::kClockHintLine, ui::ClockHint(target_));
}

ClockDialog::~ClockDialog() {
  // A focused field loses its focus while the widgets are torn down; the
  // clamp must not run then.
  for (int id : ids::kClockFields)
    Widget<QLineEdit>(id)->removeEventFilter(this);
}

const Clock& ClockDialog::PcClock() const {
  static const SystemClock systemClock;
  return ctx_.services->clock ? *ctx_.services->clock : systemClock;
}

bool ClockDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    for (int id : ids::kClockFields) {
      if (Widget<QLineEdit>(id) == watched)
        ui::ClampNumericField(id, *this);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void RunClockDialog(AppContext& ctx, int clockDialogTarget) {
  ClockDialog dialog(ctx, clockDialogTarget);
  dialog.exec();
}

}  // namespace km62rx::app
