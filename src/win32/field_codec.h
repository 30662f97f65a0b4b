#pragma once

#include "ui/field_values.h"

namespace km62rx::win32 {

// The field texts' encodings by the system's converters: UTF-8, and
// Shift_JIS as code page 932.
class CodePageFieldCodec : public ui::FieldCodec {
 public:
  Shown Show(std::string_view bytes) const override;
  std::string Bytes(std::string_view text, bool shiftJis) const override;
};

}  // namespace km62rx::win32
