#pragma once

#include <array>
#include <vector>

class QTreeWidget;
class QWidget;

namespace km62rx::ui {

class QtPageControls;

// The widgets of the thirteen pages, by page number (index 0 unused), each
// page's list in slot order with its frame first.
using PageWidgetLists = std::array<std::vector<QWidget*>, 14>;

struct SettingsAreaWidgets {
  QTreeWidget* tree = nullptr;
  PageWidgetLists pages;
};

// Builds the settings area as children of parent: group box 1001, the page
// tree, the buttons 415-418, group box 1002 and the buttons 420-422, then
// the tree items and every control of pages 1 to 13 (hidden), each at the
// table's geometry, registered in controls by ID, with the input filters of
// the hex and extension fields attached.
SettingsAreaWidgets BuildMainControls(QWidget* parent, QtPageControls& controls);

// Inserts the thirteen tree items (each carrying its page number) and
// expands the branches.
void BuildPageTree(QTreeWidget& tree);

// The page number a tree item shows (Qt::UserRole of column 0).
inline constexpr int kPageRole = 0x0100;  // Qt::UserRole

}  // namespace km62rx::ui
