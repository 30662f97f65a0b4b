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
  for (const TreeItemSpec& spec : TreeItems()) {
    const auto parent = byPage.find(spec.parentPage);
    QTreeWidgetItem* item =
        parent == byPage.end() ? new QTreeWidgetItem(&tree) : new QTreeWidgetItem(parent->second);
    item->setText(0, QString::fromStdString(spec.text));
    item->setData(0, kPageRole, spec.page);
    byPage[spec.page] = item;
  }
  for (int page : ExpandedBranchPages()) {
    const auto it = byPage.find(page);
    if (it != byPage.end())
      it->second->setExpanded(true);
  }
}

SettingsAreaWidgets BuildMainControls(QWidget* parent, QtPageControls& controls) {
  SettingsAreaWidgets built;
  for (const ControlSpec& spec : SettingsAreaControls()) {
    QWidget* widget = CreateControl(spec, parent);
    controls.Register(spec.id, widget);
    if (spec.kind == ControlKind::kTreeView)
      built.tree = qobject_cast<QTreeWidget*>(widget);
  }
  if (built.tree != nullptr)
    BuildPageTree(*built.tree);

  for (const ControlSpec& spec : PageControlSpecs()) {
    QWidget* widget = CreateControl(spec, parent);
    controls.Register(spec.id, widget);  // the second frame 1003 keeps no ID of its own
    if (spec.page > 0 && spec.page < static_cast<int>(built.pages.size())) {
      built.pages[static_cast<std::size_t>(spec.page)].push_back(widget);
    }
  }
  AttachInputFilters(controls);
  return built;
}

}  // namespace km62rx::ui
