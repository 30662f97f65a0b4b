#pragma once

#include <QObject>

namespace km62rx::device {
class PageControls;
}
namespace km62rx::ui {
class QtPageControls;
}

namespace km62rx::app {

// What leaving a page field does: numeric fields are clamped to their range,
// the separator field is normalised. Runs on every focus loss, whether the
// text changed or not.
class FieldFocusRouting : public QObject {
  Q_OBJECT

 public:
  FieldFocusRouting(int id, device::PageControls& pages, QObject* parent);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int id_;
  device::PageControls& pages_;
};

// The work of leaving field id (nothing for a field without a rule).
void RunFieldFocusLoss(int id, device::PageControls& pages);

// Attaches the routing to every page field that has a focus-loss rule.
void AttachFieldFocusRouting(ui::QtPageControls& controls);

}  // namespace km62rx::app
