#pragma once

#include <functional>

#include <QObject>

#include "ui/qt/page_builder.h"

namespace km62rx::ui {

// Shows one page at a time. Only a mouse click in the tree switches pages:
// the switch is queued so that it runs after the tree has handled the click
// and changed its selection; moving the selection with the keyboard leaves
// the page as it is until the next click.
class PageSwitch : public QObject {
  Q_OBJECT

 public:
  // afterSwitch runs after every switch (the window re-applies the
  // availability of the device-dependent controls there).
  PageSwitch(SettingsAreaWidgets widgets, std::function<void()> afterSwitch,
             QObject* parent = nullptr);

  // Shows the page of the tree's selected item and hides every other page;
  // no selected item hides them all.
  void ShowSelectedPage();

  int CurrentPage() const { return currentPage_; }
  QTreeWidget* Tree() const { return widgets_.tree; }
  const PageWidgetLists& Pages() const { return widgets_.pages; }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SettingsAreaWidgets widgets_;
  std::function<void()> afterSwitch_;
  QObject* viewport_ = nullptr;  // the tree's viewport, where clicks arrive
  int currentPage_ = 0;          // 1..13, 0 = none
};

}  // namespace km62rx::ui
