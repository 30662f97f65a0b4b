#pragma once

#include <span>
#include <string>
#include <string_view>

#include "settings/language.h"
#include "ui/page_table.h"
#include "ui/window_fonts.h"

namespace km62rx::ui {

// Kinds of dialog controls; each kind fixes the widget a front end makes.
enum class DialogControlKind {
  kLabel,       // text, left aligned and centred in its height
  kTopLabel,    // plain text, left and top aligned
  kPushButton,  // never a default button unless the dialog names it
  kCombo,       // drop-down list; its height is that of the opened list
  kDigitField,  // digits only, right-aligned, cut to its limit, pastes on one line
};

// How a dialog answers the keyboard and its close box.
enum class DialogKeys {
  // Nothing closes it from the keyboard: Enter presses the focused push
  // button (as the space bar does) and does nothing elsewhere, Escape does
  // nothing. The close box closes it.
  kFocusedButtonOnly,
  // Enter presses the default button; Escape and the close box close it.
  kEnterAndEscapeClose,
};

// One control of a dialog, in dialog units.
struct DialogControl {
  int id = 0;
  DialogControlKind kind = DialogControlKind::kLabel;
  LocalText text;
  Geometry geometry;
  int limit = 0;  // most characters a field takes
};

// A dialog as every front end draws it. The controls stand in creation
// order, which is also their tab order; labels are no tab stops.
struct DialogDescription {
  std::string_view name;  // the dialog's object name, for tests and tools
  LocalText title;
  int width = 0;  // dialog units
  int height = 0;
  const FontDescription& font;
  std::span<const DialogControl> controls;
  int firstFocus = 0;     // the control focused on opening; 0 for the first tab stop
  int defaultButton = 0;  // 0 for none
  DialogKeys keys = DialogKeys::kFocusedButtonOnly;
};

// "シリアル接続": the port and the line settings.
const DialogDescription& ConnectDialogDescription();
// "本体時刻設定": six fields for a date and time.
const DialogDescription& ClockDialogDescription();
// "バージョン情報": the program's name and version.
const DialogDescription& AboutDialogDescription();

// The clock dialog's hint line: the start-up time of a file, or nothing for
// the logger's clock (clockDialogTarget 1).
std::string_view ClockHint(int clockDialogTarget);

// The About box's version line, "バージョン 1.01".
std::string AboutVersionLine();

}  // namespace km62rx::ui
