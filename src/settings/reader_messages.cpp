#include "settings/reader_messages.h"

#include <string>

namespace km62rx::settings {

namespace {

constexpr std::size_t kMaxMessageWidth = 99;

constexpr std::string_view kIgnored = "下記の設定行は無視されました。\r\n";
constexpr std::string_view kParameterTitle = "パラメータエラー";
constexpr std::string_view kDuplicateHead = "下記の設定項目が重複しています。\r\n";
constexpr std::string_view kDuplicateTail = "\r\n後に記述された設定が優先されます。";
constexpr std::string_view kWarningTitle = "警告";

// head + quoted + tail, with quoted cut so that the message fits.
std::string Compose(std::string_view head, std::string_view quoted, std::string_view tail) {
  const std::size_t fixed = LegacyWidth(head) + LegacyWidth(tail);
  const std::size_t room = fixed < kMaxMessageWidth ? kMaxMessageWidth - fixed : 0;
  std::string text(head);
  text += quoted.substr(0, room);
  text += tail;
  return text;
}

}  // namespace

std::size_t LegacyWidth(std::string_view text) {
  std::size_t width = 0;
  for (unsigned char c : text) {
    if (c < 0x80) {
      width += 1;
    } else if (c >= 0xC0) {
      width += 2;  // lead byte of a multi-byte character; continuation bytes add nothing
    }
  }
  return width;
}

void ReportLine(Notifier& notifier, LineProblem problem, std::string_view line) {
  std::string_view title = kParameterTitle;
  std::string_view head = kIgnored;
  switch (problem) {
    case LineProblem::kFormat:
      title = "フォーマットエラー";
      break;
    case LineProblem::kKey:
      title = "設定項目名エラー";
      break;
    case LineProblem::kTriggerId:
      title = "トリガーID エラー";
      break;
    case LineProblem::kParameter:
      break;
    case LineProblem::kExtension:
      head = "拡張子は3文字のみ有効です。\r\n下記の設定行は無視されました。\r\n";
      break;
    case LineProblem::kHour:
      head = "下記設定行の時刻設定(時)は無視されました。\r\n";
      break;
    case LineProblem::kMinute:
      head = "下記設定行の時刻設定(分)は無視されました。\r\n";
      break;
  }
  notifier.Show(title, Compose(head, line, ""));
}

void ReportDuplicate(Notifier& notifier, std::string_view key) {
  notifier.Show(kWarningTitle, Compose(kDuplicateHead, key, kDuplicateTail));
}

void ReportDuplicateEntry(Notifier& notifier, std::string_view key, int entry, bool condition) {
  std::string tail = condition ? " 条件" : " トリガー";
  tail += std::to_string(entry);
  tail += kDuplicateTail;
  notifier.Show(kWarningTitle, Compose(kDuplicateHead, key, tail));
}

}  // namespace km62rx::settings
