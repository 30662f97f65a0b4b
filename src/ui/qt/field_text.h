#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace km62rx::ui {

// How the bytes of an edit field's value are shown: as UTF-8 where they are
// valid UTF-8, else as Shift_JIS (code page 932), the encoding of settings
// files written on a Japanese Windows PC.
struct ShownText {
  QString text;
  bool shiftJis = false;  // shown decoded as Shift_JIS
};
ShownText ShowFieldBytes(std::string_view bytes);

// The bytes of a value the user edited, in the encoding it was shown in.
std::string FieldBytes(const QString& text, bool shiftJis);

}  // namespace km62rx::ui
