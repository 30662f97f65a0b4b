#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/language.h"
#include "settings/setting_table.h"

namespace km62rx::ui {

// Kinds of controls of the main window; each kind fixes the widget class and
// its basic style.
enum class ControlKind {
  kFrame,         // group box, hidden until its page is shown
  kVisibleFrame,  // group box, always visible
  kPushButton,
  kLabel,
  kCheck,
  kHexField,     // two hex digits, with an input filter
  kTimeField,    // digits only, initial "0", limit 2
  kNumberField,  // digits only, right-aligned
  kTextField,
  kCombo,       // drop-down list
  kTreeView,    // the page tree
  kStatusText,  // always visible text (connection panel)
};

// Typing filters of the hex and extension fields.
enum class InputFilter { kNone, kFirstByte, kMiddleByte, kLastByte, kExtension };

struct Geometry {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;  // for a combo: the height of the opened list
  friend bool operator==(const Geometry&, const Geometry&) = default;
};

// One control of the main window, as the page builder creates it and as the
// in-memory pages start from.
struct ControlSpec {
  int id = 0;
  ControlKind kind = ControlKind::kLabel;
  std::string text;  // initial text (UTF-8)
  Geometry geometry;
  int limit = 0;                   // most characters an edit takes; 0 for none
  std::vector<std::string> items;  // combo items in order
  int initialIndex = 0;            // combo selection at start
  InputFilter filter = InputFilter::kNone;
  int page = 0;  // 1..13 for page controls; 0 for controls always shown
  int slot = 0;  // position in its page's list, the frame being slot 0
  bool initiallyEnabled = true;
};

// One item of the page tree.
struct TreeItemSpec {
  int page = 0;  // the page it shows, 1..13
  std::string text;
  int parentPage = 0;  // 0 for a root item
};

// The connection panel: group box 1000, status lines 200, 201, buttons 400, 401.
const std::vector<ControlSpec>& LinkPanelControls();
// The settings area in creation order: 1001, 700, 415-418, 1002, 420-422.
const std::vector<ControlSpec>& SettingsAreaControls();
// Every control of pages 1 to 13, in page order and slot order.
const std::vector<ControlSpec>& PageControlSpecs();
// The thirteen tree items in insertion order.
const std::vector<TreeItemSpec>& TreeItems();
// The branches expanded after all items are inserted, in order.
const std::vector<int>& ExpandedBranchPages();

// The three control tables, in the order above, and the tree items as they
// read in a language (the functions above give them in the language of the
// run).
std::vector<ControlSpec> AllControlSpecsIn(Language language);
std::vector<TreeItemSpec> TreeItemsIn(Language language);

// A control of any of the three tables by ID (the first one for the frame ID
// 1003, which pages 1 and 4 share); nothing for an unknown ID.
const ControlSpec* FindControlSpec(int id);

// The clamp ranges of the numeric fields live with the setting descriptions.
using settings::NumericFieldRange;
using settings::NumericRange;

}  // namespace km62rx::ui
