#include "ui/field_editor.h"

#include <algorithm>
#include <vector>

#include "settings/control_ids.h"
#include "ui/field_rules.h"
#include "ui/page_table.h"

namespace km62rx::ui {
namespace {

InputFilter FilterOf(int id) {
  const ControlSpec* control = FindControlSpec(id);
  return control ? control->filter : InputFilter::kNone;
}

bool IsHexByte(int id) {
  const InputFilter filter = FilterOf(id);
  return filter == InputFilter::kFirstByte || filter == InputFilter::kMiddleByte ||
         filter == InputFilter::kLastByte;
}

bool IsChained(int id) {
  const InputFilter filter = FilterOf(id);
  return filter == InputFilter::kMiddleByte || filter == InputFilter::kLastByte;
}

bool IsDigitField(int id) {
  const ControlSpec* control = FindControlSpec(id);
  return control &&
         (control->kind == ControlKind::kTimeField || control->kind == ControlKind::kNumberField);
}

int LimitOf(int id) {
  const ControlSpec* control = FindControlSpec(id);
  return control ? control->limit : 0;
}

bool IsHexDigit(char32_t c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool IsAsciiAlnum(char32_t c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char32_t UpperHex(char32_t c) {
  return c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c;
}

FieldEdit Swallowed() {
  FieldEdit edit;
  edit.consumed = true;
  return edit;
}

}  // namespace

std::string_view FirstLine(std::string_view text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

bool FieldEditor::PreviousByteComplete(int id) const {
  return FilterOf(id) == InputFilter::kFirstByte ||
         (IsHexByte(id - 1) && pages_.Text(id - 1).size() == 2);
}

FieldEdit FieldEditor::MoveToPrevious(int id) const {
  FieldEdit edit = Swallowed();
  edit.focus = id - 1;
  edit.caret = std::min<int>(2, static_cast<int>(pages_.Text(id - 1).size()));
  return edit;
}

FieldEdit FieldEditor::Typed(int id, const FieldCaret&, char32_t typed) {
  if (FilterOf(id) == InputFilter::kExtension) {
    FieldEdit edit;
    edit.consumed = !IsAsciiAlnum(typed);  // letters and digits pass, the rest is swallowed
    return edit;
  }
  if (!IsHexByte(id))
    return {};
  const char32_t c = UpperHex(typed);
  if (!IsHexDigit(c) || !PreviousByteComplete(id))
    return Swallowed();
  FieldEdit edit;
  edit.advanceLater = FilterOf(id) != InputFilter::kLastByte;
  if (c != typed) {  // "a"-"f" arrive as "A"-"F"
    edit.consumed = true;
    edit.insert = std::string(1, static_cast<char>(c));
  }
  return edit;
}

FieldEdit FieldEditor::Backspace(int id, const FieldCaret& caret) {
  if (IsChained(id))
    return caret.selectionStart == 0 ? MoveToPrevious(id) : FieldEdit{};
  FieldEdit edit;
  // The first byte: a deleted character never leaves the caret at 2.
  edit.advanceLater = FilterOf(id) == InputFilter::kFirstByte;
  return edit;
}

FieldEdit FieldEditor::Left(int id, const FieldCaret& caret) {
  return IsChained(id) && caret.selectionStart == 0 ? MoveToPrevious(id) : FieldEdit{};
}

FieldEdit FieldEditor::Paste(int id, const FieldCaret& caret, std::string_view text) {
  FieldEdit edit = Swallowed();
  if (IsHexByte(id))
    return text.empty() ? edit : PasteHex(id, caret, text);
  if (FilterOf(id) == InputFilter::kExtension) {
    // Typing would lose the characters beyond the limit.
    if (!text.empty() && std::all_of(text.begin(), text.end(), IsAsciiAlnum) &&
        caret.length - caret.selectionLength + static_cast<int>(text.size()) <= LimitOf(id))
      edit.insert = std::string(text);
    return edit;
  }
  const std::string_view line = FirstLine(text);
  if (!IsDigitField(id) ||
      std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; }))
    edit.insert = std::string(line);
  return edit;
}

FieldEdit FieldEditor::PasteHex(int id, const FieldCaret& caret, std::string_view text) {
  FieldEdit edit = Swallowed();
  // The fields from this one to the end of the row, with the texts typing
  // would leave in them.
  struct Slot {
    int id;
    std::string text;
  };
  std::vector<Slot> chain{{id, pages_.Text(id)}};
  while (FilterOf(chain.back().id) != InputFilter::kLastByte && IsHexByte(chain.back().id + 1))
    chain.push_back({chain.back().id + 1, pages_.Text(chain.back().id + 1)});
  if (!PreviousByteComplete(id))
    return edit;

  std::size_t at = 0;
  std::size_t place = static_cast<std::size_t>(caret.selectionStart);
  std::size_t selected = static_cast<std::size_t>(caret.selectionLength);
  for (const char typed : text) {
    const char32_t c = UpperHex(static_cast<unsigned char>(typed));
    if (!IsHexDigit(c))
      return edit;
    std::string& slot = chain[at].text;
    slot.erase(std::min(place, slot.size()), selected);
    selected = 0;
    if (slot.size() >= static_cast<std::size_t>(LimitOf(chain[at].id)))
      return edit;  // a full field would drop the digit
    slot.insert(place, 1, static_cast<char>(c));
    ++place;
    if (place == 2 && at + 1 < chain.size()) {
      ++at;
      place = 0;
    }
  }
  for (const Slot& slot : chain) {
    if (pages_.Text(slot.id) != slot.text)
      pages_.SetText(slot.id, slot.text);
  }
  if (chain[at].id != id)
    edit.focus = chain[at].id;
  edit.caret = static_cast<int>(place);
  return edit;
}

FieldEdit FieldEditor::AdvanceIfFull(int id, const FieldCaret& caret) {
  FieldEdit edit;
  if (caret.selectionStart == 2 && IsHexByte(id + 1)) {
    edit.focus = id + 1;
    edit.caret = 0;
  }
  return edit;
}

bool FieldEditor::HasLeaveRule(int id) {
  return FilterOf(id) != InputFilter::kNone || IsClampedField(id) || id == ids::kSeparatorField;
}

void FieldEditor::Leave(int id, int length) {
  if (IsClampedField(id)) {
    ClampNumericField(id, pages_);
  } else if (id == ids::kSeparatorField) {
    NormalizeSeparatorField(id, pages_);
  } else if (FilterOf(id) == InputFilter::kExtension) {
    if (length == 0)
      pages_.SetText(id, "LOG");
    else if (length < 3)
      pages_.SetText(id, pages_.Text(id) + std::string(static_cast<std::size_t>(3 - length), 'x'));
  } else if (IsHexByte(id)) {
    const std::string text = pages_.Text(id);
    if (text.size() == 1)
      pages_.SetText(id, "0" + text);
    else if (text.empty() && FilterOf(id) != InputFilter::kLastByte && IsHexByte(id + 1) &&
             !pages_.Text(id + 1).empty())
      pages_.SetText(id, "00");
  }
}

}  // namespace km62rx::ui
