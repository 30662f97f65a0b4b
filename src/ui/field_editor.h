#pragma once

#include <string>
#include <string_view>

#include "device/page_controls.h"

namespace km62rx::ui {

// Where the caret of a field stands: the start and length of its selection
// (the caret alone when the length is 0), and the field's length, all in
// characters.
struct FieldCaret {
  int selectionStart = 0;
  int selectionLength = 0;
  int length = 0;
};

// What the front end does after the editor took an event.
struct FieldEdit {
  bool consumed = false;      // the field does not handle the event itself
  std::string insert;         // text the field inserts at its caret
  int focus = 0;              // a field that gets the focus; 0 for none
  int caret = -1;             // where the caret goes then (in that field, or this one)
  bool advanceLater = false;  // once the field took the event, call AdvanceIfFull
};

// The typing rules of the page fields, the same for every front end. The
// hex fields of a data row form a chain by control ID (the field before is
// ID - 1, the one after ID + 1): a byte is typed only after the one before
// it is complete, a typed pair moves on to the next byte, Backspace and Left
// at the start move back. The extension field takes ASCII letters and
// digits. Only keyboard input and pastes go through here; text set by the
// program does not. Texts are read and written through the pages.
class FieldEditor {
 public:
  explicit FieldEditor(device::PageControls& pages) : pages_(pages) {}

  // A typed character (0 for a key that types a control character or is
  // held with Ctrl, Alt or Meta).
  FieldEdit Typed(int id, const FieldCaret& caret, char32_t c);
  FieldEdit Backspace(int id, const FieldCaret& caret);
  // The Left arrow key.
  FieldEdit Left(int id, const FieldCaret& caret);
  // A paste of the clipboard's text (UTF-8). Taken whole or not at all:
  // only when each character would be taken if typed, and then as typing
  // would take it (a run of hex pairs fills the chain's fields one after
  // another). Other fields take its first line; the digit fields only
  // digits.
  FieldEdit Paste(int id, const FieldCaret& caret, std::string_view text);
  // After a typed character: moves to the next byte when the caret stands
  // after the second character.
  FieldEdit AdvanceIfFull(int id, const FieldCaret& caret);
  // Leaving the field: a hex byte is padded with a zero (an empty one
  // becomes "00" when the byte after it holds something), the extension is
  // padded with "x" (empty: "LOG"), numeric fields are clamped to their
  // range and the separator normalised. Runs whether the text changed or
  // not.
  void Leave(int id, int length);

  // Whether Leave does anything for the field.
  static bool HasLeaveRule(int id);

 private:
  FieldEdit MoveToPrevious(int id) const;
  FieldEdit PasteHex(int id, const FieldCaret& caret, std::string_view text);
  bool PreviousByteComplete(int id) const;

  device::PageControls& pages_;
};

// A pasted text as a single-line field takes it: up to its first line break.
std::string_view FirstLine(std::string_view text);

}  // namespace km62rx::ui
