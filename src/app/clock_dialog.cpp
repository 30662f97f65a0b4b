#include "app/clock_dialog.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "app/busy_cursor.h"
#include "app/dialog_support.h"
#include "device/leading_decimal.h"
#include "device/page_controls.h"
#include "settings/control_ids.h"
#include "settings/file_chooser.h"
#include "ui/field_rules.h"
#include "ui/file_commands.h"

namespace km62rx::app {

// The six fields as PageControls, so the window's range clamp can run on
// them. Only texts exist here.
class ClockFieldControls : public device::PageControls {
 public:
  explicit ClockFieldControls(std::array<QLineEdit*, 6>& fields) : fields_(fields) {}

  std::string Text(int id) const override {
    const QLineEdit* field = Find(id);
    return field ? field->text().toStdString() : std::string();
  }
  void SetText(int id, std::string_view text) override {
    if (QLineEdit* field = Find(id)) {
      field->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                         .left(field->maxLength()));
    }
  }
  bool Checked(int) const override { return false; }
  void SetChecked(int, bool) override {}
  int ComboIndex(int) const override { return 0; }
  void SetComboIndex(int, int) override {}
  bool Enabled(int id) const override {
    const QLineEdit* field = Find(id);
    return field && field->isEnabled();
  }
  void SetEnabled(int id, bool enabled) override {
    if (QLineEdit* field = Find(id))
      field->setEnabled(enabled);
  }

 private:
  QLineEdit* Find(int id) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
      if (ids::kClockFields[i] == id)
        return fields_[i];
    }
    return nullptr;
  }
  std::array<QLineEdit*, 6>& fields_;
};

ClockDialog::ClockDialog(AppContext& ctx, int clockDialogTarget)
    : DescribedDialog(ui::ClockDialogDescription(), ctx.mainWindow),
      ctx_(ctx),
      target_(clockDialogTarget) {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = Widget<QLineEdit>(ids::kClockFields[i]);
    fields_[i]->installEventFilter(this);
  }
  pcTimeButton_ = Widget<QPushButton>(ids::kPcTimeButton);
  okButton_ = Widget<QPushButton>(ids::kClockOkButton);
  cancelButton_ = Widget<QPushButton>(ids::kClockCancelButton);
  connect(pcTimeButton_, &QPushButton::clicked, this, [this] { FillFieldsWithPcTime(); });
  connect(okButton_, &QPushButton::clicked, this, [this] { ApplyAndClose(); });
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

  fieldControls_ = std::make_unique<ClockFieldControls>(fields_);
  notifier_ = ctx_.services->makeNotifier(this);
  FillFieldsWithPcTime();
  Widget<QLabel>(ids::kClockHintLine)->setText(QtText(ui::ClockHint(target_)));
}

ClockDialog::~ClockDialog() {
  // A focused field loses its focus while the widgets are torn down; the
  // clamp must not run then.
  for (QLineEdit* field : fields_)
    field->removeEventFilter(this);
}

void ClockDialog::FillFieldsWithPcTime() {
  static const SystemClock systemClock;
  const Clock& clock = ctx_.services->clock ? *ctx_.services->clock : systemClock;
  const std::tm now = clock.LocalNow();
  const int values[6] = {now.tm_year + 1900, now.tm_mon + 1, now.tm_mday,
                         now.tm_hour,        now.tm_min,     now.tm_sec};
  for (std::size_t i = 0; i < fields_.size(); ++i)
    fields_[i]->setText(QString::number(values[i]));
}

device::TypedTime ClockDialog::TypedTimeFromFields() const {
  int values[6];
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    values[i] = device::LeadingInt(fields_[i]->text().toStdString());
  }
  return device::TypedTime{values[0], values[1], values[2], values[3], values[4], values[5]};
}

void ClockDialog::ApplyAndClose() {
  // A field that still has the focus is clamped as leaving it would.
  const int focused = FieldId(focusWidget());
  if (focused != 0)
    ui::ClampNumericField(focused, *fieldControls_);
  ui::KeepClockDayInMonth(*fieldControls_);
  okButton_->setEnabled(false);
  cancelButton_->setEnabled(false);
  pcTimeButton_->setEnabled(false);

  const device::TypedTime time = TypedTimeFromFields();
  if (target_ != 0) {
    const BusyCursor busy;
    device::SetLoggerClockFromTime(*ctx_.link, time, *notifier_);
  } else {
    const std::unique_ptr<FileChooser> chooser = ctx_.services->makeFileChooser(ctx_.mainWindow);
    ui::SaveClockToFile(time, *chooser, *ctx_.mainNotifier, *notifier_);
  }
  accept();
}

int ClockDialog::FieldId(const QObject* object) const {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    if (fields_[i] == object)
      return ids::kClockFields[i];
  }
  return 0;
}

bool ClockDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    const int id = FieldId(watched);
    if (id != 0)
      ui::ClampNumericField(id, *fieldControls_);
  }
  return QDialog::eventFilter(watched, event);
}

void RunClockDialog(AppContext& ctx, int clockDialogTarget) {
  ClockDialog dialog(ctx, clockDialogTarget);
  dialog.exec();
}

}  // namespace km62rx::app
