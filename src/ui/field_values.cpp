#include "ui/field_values.h"

namespace km62rx::ui {

std::string_view CutToUnits(std::string_view text, int limit) {
  std::size_t end = 0;
  int units = 0;
  while (end < text.size()) {
    const auto lead = static_cast<unsigned char>(text[end]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    units += length == 4 ? 2 : 1;  // beyond the BMP: a surrogate pair
    if (units > limit || end + length > text.size())
      break;
    end += length;
  }
  return text.substr(0, end);
}

std::string FieldValues::Set(int id, std::string_view bytes, int limit) {
  FieldCodec::Shown shown = codec_.Show(bytes);
  Value value{std::string(bytes), std::move(shown.text), shown.shiftJis};
  if (limit > 0) {
    const std::string_view cut = CutToUnits(value.shown, limit);
    if (cut.size() < value.shown.size()) {
      value.shown = std::string(cut);
      value.bytes = codec_.Bytes(value.shown, value.shiftJis);
    }
  }
  const std::string text = value.shown;
  values_[id] = std::move(value);
  return text;
}

std::string FieldValues::Bytes(int id, std::string_view text) const {
  const auto it = values_.find(id);
  if (it == values_.end())
    return std::string(text);
  if (text == it->second.shown)
    return it->second.bytes;
  return codec_.Bytes(text, it->second.shiftJis);
}

}  // namespace km62rx::ui
