#include "win32/described_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>

#include "ui/field_rules.h"
#include "ui/field_values.h"
#include "win32/fonts.h"
#include "win32/message_box_notifier.h"
#include "win32/wide_text.h"
#include "win32/window_text.h"

namespace km62rx::win32 {
namespace {

using K = ui::DialogControlKind;

// The predefined window classes of a dialog template, by ordinal.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kComboClass = 0x0085;

// A DLGTEMPLATEEX and its DLGITEMTEMPLATEEX entries, written word by word.
class TemplateWriter {
 public:
  void Word(WORD word) { words_.push_back(word); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Short(int value) { Word(static_cast<WORD>(static_cast<short>(value))); }
  void Text(std::wstring_view text) {
    for (wchar_t c : text)
      Word(static_cast<WORD>(c));
    Word(0);
  }
  void AlignToDword() {
    if (words_.size() % 2 != 0)
      Word(0);
  }
  std::vector<WORD> Take() { return std::move(words_); }

 private:
  std::vector<WORD> words_;
};

struct ItemClass {
  WORD atom;
  DWORD style;
};

ItemClass ClassOf(const ui::DialogControl& def, const ui::DialogDescription& description) {
  switch (def.kind) {
    case K::kLabel:
      return {kStaticClass, SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE | WS_GROUP};
    case K::kTopLabel:
      return {kStaticClass, SS_LEFT | SS_NOPREFIX | WS_GROUP};
    case K::kPushButton:
      return {kButtonClass,
              static_cast<DWORD>(def.id == description.defaultButton ? BS_DEFPUSHBUTTON
                                                                     : BS_PUSHBUTTON) |
                  WS_TABSTOP};
    case K::kCombo:
      // The template's height is that of the opened list.
      return {kComboClass, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case K::kDigitField:
      // Scrolls rather than refusing what does not fit: the limit is the
      // field's only bound.
      return {kEditClass, ES_NUMBER | ES_RIGHT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP};
  }
  return {kStaticClass, SS_LEFT};
}

std::vector<WORD> BuildTemplate(const ui::DialogDescription& description) {
  TemplateWriter out;
  out.Word(1);       // dlgVer
  out.Word(0xFFFF);  // signature: the extended template
  out.Dword(0);      // helpID
  out.Dword(0);      // exStyle
  out.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
  out.Word(static_cast<WORD>(description.controls.size()));
  out.Short(0);  // placed over the owner once created
  out.Short(0);
  out.Short(description.width);
  out.Short(description.height);
  out.Word(0);  // no menu
  out.Word(0);  // the dialog class
  out.Text(Widen(description.title.Get()));
  const ui::FontDescription& font = description.font;
  const int points = font.pointSize > 0 ? font.pointSize : MulDiv(font.pixelSize, 72, 96);
  const std::wstring face = FirstInstalledFace(font);
  out.Short(points);
  out.Word(FW_NORMAL);
  // italic 0 in the low byte; the character set in the high one: a named
  // face is taken by its name, else the system picks a Japanese face.
  out.Word(static_cast<WORD>((face.empty() ? SHIFTJIS_CHARSET : DEFAULT_CHARSET) << 8));
  out.Text(face);
  for (const ui::DialogControl& def : description.controls) {
    const ItemClass item = ClassOf(def, description);
    out.AlignToDword();
    out.Dword(0);  // helpID
    out.Dword(0);  // exStyle
    out.Dword(WS_CHILD | WS_VISIBLE | item.style);
    out.Short(def.geometry.x);
    out.Short(def.geometry.y);
    out.Short(def.geometry.width);
    out.Short(def.geometry.height);
    out.Dword(static_cast<DWORD>(def.id));
    out.Word(0xFFFF);
    out.Word(item.atom);
    out.Text(Widen(def.text.Get()));
    out.Word(0);  // no creation data
  }
  return out.Take();
}

// Puts the dialog in the middle of its owner, within the owner's monitor.
void PlaceOver(HWND dialog, HWND owner) {
  const HWND around =
      owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner) ? owner : nullptr;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(around ? around : dialog, MONITOR_DEFAULTTONEAREST), &monitor);
  RECT target = monitor.rcWork;
  if (around)
    GetWindowRect(around, &target);
  RECT box{};
  GetWindowRect(dialog, &box);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  const RECT& work = monitor.rcWork;
  const int x = std::clamp<int>((target.left + target.right - width) / 2, work.left,
                                std::max<int>(work.left, work.right - width));
  const int y = std::clamp<int>((target.top + target.bottom - height) / 2, work.top,
                                std::max<int>(work.top, work.bottom - height));
  SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A paste into a digit field takes what ui::DigitFieldPaste gives, whatever
// asked for it (the keys, the context menu).
void PasteIntoDigitField(HWND field) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const int kept = GetWindowTextLengthW(field) - static_cast<int>(end - start);
  const int limit = static_cast<int>(SendMessageW(field, EM_GETLIMITTEXT, 0, 0));
  const std::string taken = ui::DigitFieldPaste(ClipboardText(field), limit - kept);
  if (!taken.empty())
    SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Widen(taken).c_str()));
}

constexpr UINT_PTR kDigitFieldSubclass = 1;

LRESULT CALLBACK DigitFieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_PASTE:
      if ((GetWindowLongW(field, GWL_STYLE) & ES_READONLY) == 0)
        PasteIntoDigitField(field);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(field, DigitFieldProcedure, kDigitFieldSubclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(field, message, wParam, lParam);
}

// The dialogs running on this thread, innermost last, and the message filter
// that applies their key policies before the dialog manager sees a key.
struct RunningDialogs {
  HHOOK keyFilter = nullptr;
  std::vector<DescribedDialog*> dialogs;
};
thread_local RunningDialogs running;

}  // namespace

DescribedDialog::DescribedDialog(const ui::DialogDescription& description)
    : description_(description) {}

DescribedDialog::~DescribedDialog() = default;

void DescribedDialog::Run(HWND owner) {
  const std::vector<WORD> dialogTemplate = BuildTemplate(description_);
  if (running.keyFilter == nullptr)
    running.keyFilter = SetWindowsHookExW(WH_MSGFILTER, KeyFilter, nullptr, GetCurrentThreadId());
  running.dialogs.push_back(this);
  closing_ = false;
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                          reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), owner,
                          Procedure, reinterpret_cast<LPARAM>(this));
  std::erase(running.dialogs, this);
  if (running.dialogs.empty() && running.keyFilter != nullptr) {
    UnhookWindowsHookEx(running.keyFilter);
    running.keyFilter = nullptr;
  }
  dialog_ = nullptr;
  controls_.clear();
}

INT_PTR CALLBACK DescribedDialog::Procedure(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<DescribedDialog*>(lParam);
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    self->Initialize(dialog);
    return FALSE;  // the focus is set
  }
  auto* self = reinterpret_cast<DescribedDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  return self != nullptr ? self->OnMessage(message, wParam, lParam) : FALSE;
}

void DescribedDialog::Initialize(HWND dialog) {
  dialog_ = dialog;
  for (const ui::DialogControl& def : description_.controls) {
    const HWND control = GetDlgItem(dialog, def.id);
    controls_[def.id] = control;
    if (def.kind == K::kDigitField) {
      if (def.limit > 0)
        SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(def.limit), 0);
      SetWindowSubclass(control, DigitFieldProcedure, kDigitFieldSubclass, 0);
    }
  }
  if (description_.defaultButton != 0)
    SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(description_.defaultButton), 0);
  PlaceOver(dialog, GetWindow(dialog, GW_OWNER));
  OnInit();
  if (closing_)
    return;
  HWND first = description_.firstFocus != 0 ? Control(description_.firstFocus)
                                            : GetNextDlgTabItem(dialog, nullptr, FALSE);
  if (first != nullptr) {
    SetFocus(first);
    const ui::DialogControl* def = Described(GetDlgCtrlID(first));
    if (def != nullptr && def->kind == K::kDigitField)
      SendMessageW(first, EM_SETSEL, 0, -1);  // as tabbing into it would
  }
}

INT_PTR DescribedDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      const HWND from = reinterpret_cast<HWND>(lParam);
      if (from != nullptr && from == Control(id)) {
        if (actions_ == 0 || code != BN_CLICKED)
          OnCommand(id, code);
      } else if (actions_ == 0 && description_.keys == ui::DialogKeys::kEnterAndEscapeClose) {
        // Enter and Escape as the dialog manager reports them, should the
        // key filter not have seen them.
        if (id == IDOK && description_.defaultButton != 0)
          PressButton(description_.defaultButton);
        else if (id == IDOK || id == IDCANCEL)
          Close();
      }
      return TRUE;
    }
    case DM_GETDEFID:
      if (description_.defaultButton == 0) {
        // No default button: a push button the focus passed over keeps no
        // claim on Enter.
        SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, 0);
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:  // the close box
      if (actions_ == 0)
        Close();
      return TRUE;
    case WM_DESTROY:
      closing_ = true;
      return FALSE;
    default:
      return FALSE;
  }
}

LRESULT CALLBACK DescribedDialog::KeyFilter(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_DIALOGBOX) {
    const MSG& message = *reinterpret_cast<const MSG*>(lParam);
    if (message.message == WM_KEYDOWN) {
      for (DescribedDialog* dialog : running.dialogs) {
        const HWND window = dialog->dialog_;
        if (window != nullptr && (message.hwnd == window || IsChild(window, message.hwnd)))
          return dialog->FilterKey(message) ? TRUE : CallNextHookEx(nullptr, code, wParam, lParam);
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool DescribedDialog::FilterKey(const MSG& message) {
  if (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE)
    return false;
  // An opened drop-down list takes Enter and Escape itself.
  for (const ui::DialogControl& def : description_.controls) {
    if (def.kind == K::kCombo && SendMessageW(Control(def.id), CB_GETDROPPEDSTATE, 0, 0))
      return false;
  }
  if (actions_ != 0)
    return true;
  if (description_.keys == ui::DialogKeys::kEnterAndEscapeClose) {
    // Enter is left to the dialog manager, which presses the default button.
    if (message.wParam == VK_ESCAPE)
      Close();
    return message.wParam == VK_ESCAPE;
  }
  if (message.wParam == VK_RETURN) {
    const int focused = FocusedControl();
    const ui::DialogControl* def = Described(focused);
    if (def != nullptr && def->kind == K::kPushButton && IsWindowEnabled(Control(focused)))
      PressButton(focused);
  }
  return true;
}

void DescribedDialog::PressButton(int id) {
  SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(Control(id)));
}

void DescribedDialog::Close() {
  if (closing_ || dialog_ == nullptr)
    return;
  closing_ = true;
  EndDialog(dialog_, 0);
}

const ui::DialogControl* DescribedDialog::Described(int id) const {
  for (const ui::DialogControl& def : description_.controls) {
    if (def.id == id)
      return &def;
  }
  return nullptr;
}

HWND DescribedDialog::Control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

int DescribedDialog::FocusedControl() const {
  const HWND focus = GetFocus();
  for (const auto& [id, control] : controls_) {
    if (control == focus)
      return id;
  }
  return 0;
}

std::string DescribedDialog::Text(int id) const {
  const ui::DialogControl* def = Described(id);
  const HWND control = Control(id);
  if (def == nullptr || control == nullptr ||
      (def->kind != K::kLabel && def->kind != K::kTopLabel && def->kind != K::kDigitField))
    return {};
  return WindowText(control);
}

void DescribedDialog::SetText(int id, std::string_view text) {
  const ui::DialogControl* def = Described(id);
  const HWND control = Control(id);
  if (def == nullptr || control == nullptr)
    return;
  if (def->kind == K::kDigitField) {
    // The edit does not cut a text set by the program to its limit itself.
    text = ui::CutToUnits(text, static_cast<int>(SendMessageW(control, EM_GETLIMITTEXT, 0, 0)));
  } else if (def->kind != K::kLabel && def->kind != K::kTopLabel) {
    return;
  }
  SetWindowTextW(control, Widen(text).c_str());
}

int DescribedDialog::ComboIndex(int id) const {
  const ui::DialogControl* def = Described(id);
  if (def == nullptr || def->kind != K::kCombo || Control(id) == nullptr)
    return -1;
  return static_cast<int>(SendMessageW(Control(id), CB_GETCURSEL, 0, 0));
}

void DescribedDialog::SetComboIndex(int id, int index) {
  const ui::DialogControl* def = Described(id);
  const HWND combo = Control(id);
  if (def == nullptr || def->kind != K::kCombo || combo == nullptr)
    return;
  const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  if (index >= 0 && index < count)
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool DescribedDialog::Enabled(int id) const {
  const HWND control = Control(id);
  return control != nullptr && IsWindowEnabled(control);
}

void DescribedDialog::SetEnabled(int id, bool enabled) {
  if (const HWND control = Control(id))
    EnableWindow(control, enabled ? TRUE : FALSE);
}

void DescribedDialog::FillCombo(int id, const std::vector<std::string>& items) {
  const HWND combo = Control(id);
  if (combo == nullptr)
    return;
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

std::unique_ptr<Notifier> MakeDialogNotifier(const WindowContext& ctx, HWND dialog) {
  std::unique_ptr<Notifier> notifier = ctx.makeNotifier ? ctx.makeNotifier(dialog) : nullptr;
  if (!notifier)
    notifier = std::make_unique<MessageBoxNotifier>(dialog);
  return notifier;
}

}  // namespace km62rx::win32
