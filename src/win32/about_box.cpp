#include <tuple>

#include "settings/control_ids.h"
#include "win32/described_dialog.h"
#include "win32/dialogs.h"

namespace km62rx::win32 {
namespace {

// "バージョン情報": the program's name and version; closes with OK, Enter,
// Escape and its close box.
class AboutBox final : public DescribedDialog {
 public:
  AboutBox() : DescribedDialog(ui::AboutDialogDescription()) {}

 private:
  void OnInit() override {
    SetText(ids::kAboutVersionLine, ui::AboutVersionLine());
    // The program's icon, where its resources have one.
    for (const auto& [which, width, height] : {std::tuple{ICON_BIG, SM_CXICON, SM_CYICON},
                                               std::tuple{ICON_SMALL, SM_CXSMICON, SM_CYSMICON}}) {
      const HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), L"MYICON", IMAGE_ICON,
                                     GetSystemMetrics(width), GetSystemMetrics(height), LR_SHARED);
      if (icon != nullptr)
        SendMessageW(Handle(), WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    }
  }

  void OnCommand(int id, int code) override {
    if (id == ids::kAboutOkButton && code == BN_CLICKED)
      Close();
  }
};

}  // namespace

void ShowAboutBox(HWND owner) {
  AboutBox box;
  box.Run(owner);
}

}  // namespace km62rx::win32
