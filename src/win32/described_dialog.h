#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "device/page_controls.h"
#include "settings/notifier.h"
#include "ui/dialog_descriptions.h"
#include "win32/window_context.h"

namespace km62rx::win32 {

// A modal dialog drawn from its description: an in-memory dialog template
// with the description's title, font (the first installed of its faces at
// its point size, whose base units turn the dialog units into pixels), size
// and controls, in the description's order, which is the tab order. The
// first focus, the default button and the key policy are applied. As
// PageControls the dialog hands its controls to the models: the texts of
// fields and labels (a field's cut to its limit), combo selections and
// enabled states.
class DescribedDialog : public device::PageControls {
 public:
  explicit DescribedDialog(const ui::DialogDescription& description);
  ~DescribedDialog() override;
  DescribedDialog(const DescribedDialog&) = delete;
  DescribedDialog& operator=(const DescribedDialog&) = delete;

  // Runs the dialog modally over owner; returns when it has closed.
  void Run(HWND owner);

  HWND Handle() const { return dialog_; }
  // A control by ID; nullptr for an ID the description does not have.
  HWND Control(int id) const;
  // The ID of the control that has the focus; 0 for none.
  int FocusedControl() const;
  // Ends the dialog. Focus changes while it is torn down run no rules.
  void Close();
  bool Closing() const { return closing_; }

  std::string Text(int id) const override;
  void SetText(int id, std::string_view text) override;
  bool Checked(int) const override { return false; }
  void SetChecked(int, bool) override {}
  int ComboIndex(int id) const override;
  void SetComboIndex(int id, int index) override;
  bool Enabled(int id) const override;
  void SetEnabled(int id, bool enabled) override;

  // Fills a combo with items (UTF-8) and selects the first.
  void FillCombo(int id, const std::vector<std::string>& items);

 protected:
  // While the dialog's action runs (and shows its boxes, some of them owned
  // by the main window, which leave this dialog usable), its buttons, keys
  // and close box do nothing.
  class ActionScope {
   public:
    explicit ActionScope(DescribedDialog& dialog) : dialog_(dialog) { ++dialog_.actions_; }
    ~ActionScope() { --dialog_.actions_; }
    ActionScope(const ActionScope&) = delete;
    ActionScope& operator=(const ActionScope&) = delete;

   private:
    DescribedDialog& dialog_;
  };

  // The dialog exists with its controls, before it is shown.
  virtual void OnInit() {}
  // A notification from one of the described controls: a button's click,
  // a combo's or a field's notification code.
  virtual void OnCommand(int id, int code) = 0;

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Initialize(HWND dialog);
  // The key policy for a key pressed in this dialog; true when the key is
  // taken and the dialog manager must not see it.
  bool FilterKey(const MSG& message);
  void PressButton(int id);
  const ui::DialogControl* Described(int id) const;

  const ui::DialogDescription& description_;
  HWND dialog_ = nullptr;
  std::map<int, HWND> controls_;
  bool closing_ = false;
  int actions_ = 0;  // actions running
};

// The notifier for boxes owned by a dialog: the context's, else a
// MessageBoxNotifier.
std::unique_ptr<Notifier> MakeDialogNotifier(const WindowContext& ctx, HWND dialog);

}  // namespace km62rx::win32
