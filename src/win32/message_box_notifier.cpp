#include "win32/message_box_notifier.h"

#include "win32/wide_text.h"

namespace km62rx::win32 {

void MessageBoxNotifier::Show(std::string_view title, std::string_view text) {
  MessageBoxW(owner_, Widen(text).c_str(), Widen(title).c_str(), MB_OK);
}

}  // namespace km62rx::win32
