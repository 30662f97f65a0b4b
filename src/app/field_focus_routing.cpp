#include "app/field_focus_routing.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QWidget>

#include "settings/control_ids.h"
#include "ui/field_rules.h"
#include "ui/page_table.h"
#include "ui/qt/qt_page_controls.h"

namespace km62rx::app {

void RunFieldFocusLoss(int id, device::PageControls& pages) {
  if (ui::IsClampedField(id)) {
    ui::ClampNumericField(id, pages);
  } else if (id == ids::kSeparatorField) {
    ui::NormalizeSeparatorField(id, pages);
  }
}

FieldFocusRouting::FieldFocusRouting(int id, device::PageControls& pages, QObject* parent)
    : QObject(parent), id_(id), pages_(pages) {}

bool FieldFocusRouting::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    RunFieldFocusLoss(id_, pages_);
  }
  return false;
}

void AttachFieldFocusRouting(ui::QtPageControls& controls) {
  for (const ui::ControlSpec& def : ui::PageControlSpecs()) {
    if (!ui::IsClampedField(def.id) && def.id != ids::kSeparatorField)
      continue;
    if (QWidget* field = controls.LineEdit(def.id)) {
      field->installEventFilter(new FieldFocusRouting(def.id, controls, field));
    }
  }
}

}  // namespace km62rx::app
