#pragma once

#include <map>
#include <string>
#include <string_view>

namespace km62rx::ui {

// How a front end turns the bytes of a text field's value into the text it
// shows (UTF-8 here) and back: as UTF-8 where the bytes are valid UTF-8,
// else as Shift_JIS, the encoding of settings files written on a Japanese
// Windows PC.
class FieldCodec {
 public:
  struct Shown {
    std::string text;       // UTF-8
    bool shiftJis = false;  // decoded as Shift_JIS
  };
  virtual ~FieldCodec() = default;
  virtual Shown Show(std::string_view bytes) const = 0;
  // The bytes of an edited text, in the encoding it was shown in.
  virtual std::string Bytes(std::string_view text, bool shiftJis) const = 0;
};

// The values set into the text fields. A field keeps the bytes it was given,
// whatever their encoding, as long as what it shows is what they were shown
// as; a text the user changed is read in the encoding it was shown in. A
// value is shown cut to the field's limit, and then reads back as cut.
class FieldValues {
 public:
  explicit FieldValues(const FieldCodec& codec) : codec_(codec) {}

  // Remembers bytes set into a field of limit characters (UTF-16 units, as
  // the fields count them; 0 for none) and returns the text to show.
  std::string Set(int id, std::string_view bytes, int limit);
  // The bytes of a field that shows text; a field never set reads as text.
  std::string Bytes(int id, std::string_view text) const;

 private:
  struct Value {
    std::string bytes;  // what reads back while the field shows `shown`
    std::string shown;
    bool shiftJis = false;
  };
  const FieldCodec& codec_;
  std::map<int, Value> values_;
};

// The longest start of a UTF-8 text within limit UTF-16 units, whole
// characters only.
std::string_view CutToUnits(std::string_view text, int limit);

// A value's bytes as a field of limit UTF-16 units (0 for none) keeps them,
// whole characters only: read as UTF-8 where they are valid UTF-8, else as
// Shift_JIS (one unit for each character, one or two bytes), as FieldCodec
// shows them. Pages without a window (the command line's) hold bytes and cut
// them here, so they keep what the window's field would.
std::string_view CutValueToLimit(std::string_view bytes, int limit);

}  // namespace km62rx::ui
