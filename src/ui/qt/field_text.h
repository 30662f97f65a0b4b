#pragma once

#include "ui/field_values.h"

namespace km62rx::ui {

// The field texts' encodings by Qt's converters (Shift_JIS as code page 932).
class QtFieldCodec : public FieldCodec {
 public:
  Shown Show(std::string_view bytes) const override;
  std::string Bytes(std::string_view text, bool shiftJis) const override;
};

}  // namespace km62rx::ui
