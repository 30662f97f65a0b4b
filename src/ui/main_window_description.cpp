#include "ui/main_window_description.h"

#include "settings/control_ids.h"

namespace km62rx::ui {
namespace {

constexpr MenuItem kFileItems[] = {{ids::kMenuExit, {"終了", "Exit"}}};
constexpr MenuItem kHelpItems[] = {{ids::kMenuAbout, {"バージョン情報", "About"}}};
constexpr Menu kMenus[] = {
    {{"ファイル", "File"}, kFileItems},
    {{"ヘルプ", "Help"}, kHelpItems},
};

}  // namespace

const MainWindowDescription& DescribedMainWindow() {
  static const MainWindowDescription description{"DO-62REvev", 664, 480, kWindowFont, kMenus};
  return description;
}

}  // namespace km62rx::ui
