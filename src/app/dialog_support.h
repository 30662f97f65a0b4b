#pragma once

#include <QDialog>
#include <QFont>
#include <QRect>
#include <map>

#include "device/page_controls.h"
#include "ui/dialog_descriptions.h"

class QKeyEvent;
class QString;
class QWidget;

namespace km62rx::app {

// Converts dialog units to pixels with the base units of a font: x and widths
// by the average character width / 4, y and heights by the character
// height / 8.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  int X(int units) const;
  int Y(int units) const;
  QRect Rect(const ui::Geometry& geometry) const;

  int baseWidth() const { return baseWidth_; }
  int baseHeight() const { return baseHeight_; }

 private:
  int baseWidth_;
  int baseHeight_;
};

// A text of the program's tables as Qt holds it.
QString QtText(std::string_view text);

// A dialog drawn from its description: title, font, fixed size and the
// controls (named "ctl<ID>", in the description's order, which is the tab
// order), with the first focus, the default button and the key policy
// applied. Widget() finds a control by ID; as PageControls the dialog hands
// its controls to the models: the texts of fields and labels (a field's cut
// to its limit), combo selections and enabled states.
class DescribedDialog : public QDialog, public device::PageControls {
  Q_OBJECT

 public:
  DescribedDialog(const ui::DialogDescription& description, QWidget* owner,
                  Qt::WindowFlags flags = {});

  template <typename T>
  T* Widget(int id) const {
    const auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : qobject_cast<T*>(found->second);
  }
  const DialogUnits& Units() const { return units_; }

  std::string Text(int id) const override;
  void SetText(int id, std::string_view text) override;
  bool Checked(int) const override { return false; }
  void SetChecked(int, bool) override {}
  int ComboIndex(int id) const override;
  void SetComboIndex(int id, int index) override;
  bool Enabled(int id) const override;
  void SetEnabled(int id, bool enabled) override;
  // The ID of the control that has the focus; 0 for none.
  int FocusedControl() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const ui::DialogDescription& description_;
  DialogUnits units_;
  std::map<int, QWidget*> widgets_;
};

}  // namespace km62rx::app
