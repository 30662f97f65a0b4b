#include "settings/reader_messages.h"

#include <array>
#include <string>
#include <vector>

namespace km62rx::settings {

namespace {

constexpr std::size_t kMaxMessageWidth = 99;

constexpr LocalText kIgnored{"下記の設定行は無視されました。\r\n", "This line was ignored:\r\n"};
constexpr LocalText kDuplicateHead{"下記の設定項目が重複しています。\r\n",
                                   "This setting is given more than once:\r\n"};
constexpr LocalText kDuplicateTail{"\r\n後に記述された設定が優先されます。",
                                   "\r\nThe last one is used."};
constexpr LocalText kWarningTitle{"警告", "Warning"};
constexpr LocalText kFormatTitle{"フォーマットエラー", "Format error"};
constexpr LocalText kKeyTitle{"設定項目名エラー", "Unknown setting"};
constexpr LocalText kTriggerIdTitle{"トリガーID エラー", "Trigger number error"};
constexpr LocalText kExtensionHead{
    "拡張子は3文字のみ有効です。\r\n下記の設定行は無視されました。\r\n",
    "The extension must have 3 characters.\r\nThis line was ignored:\r\n"};
constexpr LocalText kHourHead{"下記設定行の時刻設定(時)は無視されました。\r\n",
                              "The hour of this line was ignored:\r\n"};
constexpr LocalText kMinuteHead{"下記設定行の時刻設定(分)は無視されました。\r\n",
                                "The minute of this line was ignored:\r\n"};
constexpr LocalText kConditionEntry{" 条件", " condition "};
constexpr LocalText kTriggerEntry{" トリガー", " trigger "};

constexpr std::array kTexts{kParameterErrorTitle, kIgnored,     kDuplicateHead, kDuplicateTail,
                            kWarningTitle,        kFormatTitle, kKeyTitle,      kTriggerIdTitle,
                            kExtensionHead,       kHourHead,    kMinuteHead,    kConditionEntry,
                            kTriggerEntry};

// One character at the start of text: its bytes and its width in the
// logger's code page. A valid UTF-8 text is taken character by character; any
// other text is taken as that code page itself (Shift_JIS: a lead byte and
// the byte after it are one character).
struct Character {
  std::size_t bytes;
  std::size_t width;
};

Character FirstCharacter(std::string_view text, bool utf8) {
  const auto c = static_cast<unsigned char>(text[0]);
  if (c < 0x80)
    return {1, 1};
  if (utf8)
    return {c >= 0xF0 ? 4u : c >= 0xE0 ? 3u : 2u, 2};
  const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
  return lead && text.size() > 1 ? Character{2, 2} : Character{1, 1};
}

// Whether text is well-formed UTF-8 (no overlong forms, surrogates or code
// points beyond U+10FFFF).
bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t n = 1;
    unsigned char low = 0x80;  // range of the second byte
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
      n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      n = 3;
      low = c == 0xE0 ? 0xA0 : 0x80;
      high = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
      n = 4;
      low = c == 0xF0 ? 0x90 : 0x80;
      high = c == 0xF4 ? 0x8F : 0xBF;
    } else if (c >= 0x80) {
      return false;
    }
    if (i + n > text.size())
      return false;
    for (std::size_t k = 1; k < n; ++k) {
      const auto b = static_cast<unsigned char>(text[i + k]);
      if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF))
        return false;
    }
    i += n;
  }
  return true;
}

// Calls fn(bytes, width) for each character of text, in order, until it
// returns false.
template <typename Fn>
void ForEachCharacter(std::string_view text, Fn&& fn) {
  const bool utf8 = IsUtf8(text);
  for (std::size_t i = 0; i < text.size();) {
    const Character next = FirstCharacter(text.substr(i), utf8);
    if (!fn(next))
      return;
    i += next.bytes;
  }
}

// Whether text ends in the start of a UTF-8 sequence whose last bytes are
// missing (a lead byte followed by too few continuation bytes).
bool EndsInPartialUtf8(std::string_view text) {
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto c = static_cast<unsigned char>(text[text.size() - back]);
    if (c >= 0x80 && c <= 0xBF)
      continue;  // a continuation byte: look further back for its lead
    const std::size_t needed = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 1;
    return c <= 0xF4 && back < needed;
  }
  return false;
}

// The longest start of text that is at most room wide and ends on a
// character boundary, without a partial UTF-8 sequence at its end (which a
// line that is no UTF-8 could otherwise leave, and a UTF-8 reader of the
// message would take for a cut character).
std::string_view CutToWidth(std::string_view text, std::size_t room) {
  std::vector<std::size_t> ends{0};
  std::size_t width = 0;
  ForEachCharacter(text, [&](const Character& c) {
    if (width + c.width > room)
      return false;
    width += c.width;
    ends.push_back(ends.back() + c.bytes);
    return true;
  });
  while (ends.size() > 1 && EndsInPartialUtf8(text.substr(0, ends.back())))
    ends.pop_back();
  return text.substr(0, ends.back());
}

// head + quoted + tail, with quoted cut so that the message fits.
std::string Compose(std::string_view head, std::string_view quoted, std::string_view tail) {
  const std::size_t fixed = LegacyWidth(head) + LegacyWidth(tail);
  const std::size_t room = fixed < kMaxMessageWidth ? kMaxMessageWidth - fixed : 0;
  std::string text(head);
  text += CutToWidth(quoted, room);
  text += tail;
  return text;
}

}  // namespace

std::size_t LegacyWidth(std::string_view text) {
  std::size_t width = 0;
  ForEachCharacter(text, [&](const Character& c) {
    width += c.width;
    return true;
  });
  return width;
}

std::span<const LocalText> ReaderMessageTexts() {
  return kTexts;
}

void ReportLine(Notifier& notifier, LineProblem problem, std::string_view line) {
  LocalText title = kParameterErrorTitle;
  LocalText head = kIgnored;
  switch (problem) {
    case LineProblem::kFormat:
      title = kFormatTitle;
      break;
    case LineProblem::kKey:
      title = kKeyTitle;
      break;
    case LineProblem::kTriggerId:
      title = kTriggerIdTitle;
      break;
    case LineProblem::kParameter:
      break;
    case LineProblem::kExtension:
      head = kExtensionHead;
      break;
    case LineProblem::kHour:
      head = kHourHead;
      break;
    case LineProblem::kMinute:
      head = kMinuteHead;
      break;
  }
  notifier.Show(title.Get(), Compose(head.Get(), line, ""));
}

void ReportDuplicate(Notifier& notifier, std::string_view key) {
  notifier.Show(kWarningTitle.Get(), Compose(kDuplicateHead.Get(), key, kDuplicateTail.Get()));
}

void ReportDuplicateEntry(Notifier& notifier, std::string_view key, int entry, bool condition) {
  std::string tail(condition ? kConditionEntry.Get() : kTriggerEntry.Get());
  tail += std::to_string(entry);
  tail += kDuplicateTail.Get();
  notifier.Show(kWarningTitle.Get(), Compose(kDuplicateHead.Get(), key, tail));
}

}  // namespace km62rx::settings
