#include "ui/qt/page_switch.h"

#include <QEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QTreeWidget>

namespace km62rx::ui {

PageSwitch::PageSwitch(SettingsAreaWidgets widgets, std::function<void()> afterSwitch,
                       QObject* parent)
    : QObject(parent),
      widgets_(std::move(widgets)),
      model_({.post =
                  [this](std::function<void()> call) {
                    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
                  },
              .selectedPage = [this] { return SelectedPage(); },
              .showPage = [this](int page) { ShowPage(page); },
              .afterSwitch = std::move(afterSwitch)}) {
  if (widgets_.tree != nullptr) {
    viewport_ = widgets_.tree->viewport();
    viewport_->installEventFilter(this);
  }
}

bool PageSwitch::eventFilter(QObject* watched, QEvent* event) {
  // Only the stored pointer is compared: the tree may be half destroyed when
  // its viewport sends its last events.
  if (event->type() == QEvent::MouseButtonRelease && watched == viewport_ &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
    model_.Click();
  return false;  // the tree handles the click as usual
}

int PageSwitch::SelectedPage() const {
  if (widgets_.tree == nullptr)
    return 0;
  const QList<QTreeWidgetItem*> selected = widgets_.tree->selectedItems();
  return selected.isEmpty() ? 0 : selected.front()->data(0, kPageRole).toInt();
}

void PageSwitch::ShowPage(int page) {
  for (std::size_t index = 1; index < widgets_.pages.size(); ++index) {
    const bool shown = static_cast<int>(index) == page;
    for (QWidget* widget : widgets_.pages[index])
      widget->setVisible(shown);
  }
}

}  // namespace km62rx::ui
