#pragma once

#include <functional>

#include <QObject>

#include "ui/page_switch_model.h"
#include "ui/qt/page_builder.h"

namespace km62rx::ui {

// The page switch on the real widgets: passes the tree's left clicks to the
// model as queued calls and shows or hides the pages' widgets.
class PageSwitch : public QObject {
  Q_OBJECT

 public:
  // afterSwitch runs after every switch.
  PageSwitch(SettingsAreaWidgets widgets, std::function<void()> afterSwitch,
             QObject* parent = nullptr);

  void ShowSelectedPage() { model_.ShowSelectedPage(); }
  int CurrentPage() const { return model_.CurrentPage(); }
  QTreeWidget* Tree() const { return widgets_.tree; }
  const PageWidgetLists& Pages() const { return widgets_.pages; }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int SelectedPage() const;
  void ShowPage(int page);

  SettingsAreaWidgets widgets_;
  PageSwitchModel model_;
  QObject* viewport_ = nullptr;  // the tree's viewport, where clicks arrive
};

}  // namespace km62rx::ui
