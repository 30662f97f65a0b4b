#include "ui/qt/page_builder.h"

#include <map>

#include <QTreeWidget>
#include <QTreeWidgetItem>

#include "ui/page_table.h"
#include "ui/qt/control_factory.h"
#include "ui/qt/input_filters.h"
#include "ui/qt/qt_page_controls.h"

namespace km62rx::ui {

void BuildPageTree(QTreeWidget& tree) {
  std::map<int, QTreeWidgetItem*> byPage;
  for (const TreeItemSpec& def : TreeItems()) {
    const auto parent = byPage.find(def.parentPage);
    QTreeWidgetItem* item =
        parent == byPage.end() ? new QTreeWidgetItem(&tree) : new QTreeWidgetItem(parent->second);
    item->setText(0, QString::fromStdString(def.text));
    item->setData(0, kPageRole, def.page);
    byPage[def.page] = item;
  }
  for (int page : ExpandedBranchPages()) {
    const auto it = byPage.find(page);
    if (it != byPage.end())
      it->second->setExpanded(true);
  }
}

SettingsAreaWidgets BuildMainControls(QWidget* parent, QtPageControls& controls) {
  SettingsAreaWidgets built;
  for (const ControlSpec& def : SettingsAreaControls()) {
    QWidget* widget = CreateControl(def, parent);
    controls.Register(def.id, widget);
    if (def.kind == ControlKind::kTreeView)
      built.tree = qobject_cast<QTreeWidget*>(widget);
  }
  if (built.tree != nullptr)
    BuildPageTree(*built.tree);

  for (const ControlSpec& def : PageControlSpecs()) {
    QWidget* widget = CreateControl(def, parent);
    controls.Register(def.id, widget);  // the second frame 1003 keeps no ID of its own
    if (def.page > 0 && def.page < static_cast<int>(built.pages.size())) {
      built.pages[static_cast<std::size_t>(def.page)].push_back(widget);
    }
  }
  AttachFieldEvents(controls);
  return built;
}

}  // namespace km62rx::ui
