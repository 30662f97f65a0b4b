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

namespace {

bool ValidUtf8(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 0 || at + length > text.size())
      return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80)
        return false;
    }
    at += length;
  }
  return true;
}

// The longest start of Shift_JIS bytes within limit characters. A lead byte
// that ends the bytes without its pair counts as a character of its own, as
// a field shows it.
std::string_view CutShiftJis(std::string_view bytes, int limit) {
  std::size_t end = 0;
  for (int characters = 0; characters < limit && end < bytes.size(); ++characters) {
    const auto lead = static_cast<unsigned char>(bytes[end]);
    const bool pair = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    end += pair && end + 2 <= bytes.size() ? 2 : 1;
  }
  return bytes.substr(0, end);
}

}  // namespace

std::string_view CutValueToLimit(std::string_view bytes, int limit) {
  if (limit <= 0)
    return bytes;
  return ValidUtf8(bytes) ? CutToUnits(bytes, limit) : CutShiftJis(bytes, limit);
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
