#include "ui/qt/page_switch.h"

#include <QEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QTreeWidget>

namespace km62rx::ui {

PageSwitch::PageSwitch(SettingsAreaWidgets widgets, std::function<void()> afterSwitch,
                       QObject* parent)
    : QObject(parent), widgets_(std::move(widgets)), afterSwitch_(std::move(afterSwitch)) {
  if (widgets_.tree != nullptr) {
    viewport_ = widgets_.tree->viewport();
    viewport_->installEventFilter(this);
  }
}

bool PageSwitch::eventFilter(QObject* watched, QEvent* event) {
  // Only the stored pointer is compared: the tree may be half destroyed when
  // its viewport sends its last events.
  if (event->type() == QEvent::MouseButtonRelease && watched == viewport_ &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    QMetaObject::invokeMethod(this, &PageSwitch::ShowSelectedPage, Qt::QueuedConnection);
  }
  return false;  // the tree handles the click as usual
}

void PageSwitch::ShowSelectedPage() {
  currentPage_ = 0;
  if (widgets_.tree != nullptr) {
    const QList<QTreeWidgetItem*> selected = widgets_.tree->selectedItems();
    if (!selected.isEmpty())
      currentPage_ = selected.front()->data(0, kPageRole).toInt();
  }
  for (std::size_t page = 1; page < widgets_.pages.size(); ++page) {
    const bool shown = static_cast<int>(page) == currentPage_;
    for (QWidget* widget : widgets_.pages[page])
      widget->setVisible(shown);
  }
  if (afterSwitch_)
    afterSwitch_();
}

}  // namespace km62rx::ui
