#include "device/link_errors.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace km62rx::device {
namespace {

struct NoticeRow {
  LinkNotice notice;
  std::string_view title;
  std::string_view text;
};

constexpr std::string_view kLinkTitle = "接続エラー";
constexpr std::string_view kReplyTitle = "応答エラー";
constexpr std::string_view kMismatchText = "コマンドのパラメータが不一致です。";

// Every notice and its box, in the order of the enum.
constexpr std::array<NoticeRow, 12> kNotices{{
    {LinkNotice::kUnknownError, "エラー", "不明なエラーが発生しました。"},
    {LinkNotice::kPortNotOpened, kLinkTitle, "COMポートエラー。"},
    {LinkNotice::kExchangeFailed, kLinkTitle, "送受信に失敗しました。"},
    {LinkNotice::kNotKm62rx, kLinkTitle, "有効なKM-62RXではありません。"},
    {LinkNotice::kNoCard, "注意",
     "SDカードが挿入されていません。\r\n"
     "時刻以外の本体設定を変更する際は、SDカードを挿入してから再接続してください。"},
    {LinkNotice::kCardProtected, "注意",
     "SDカードが書込保護されています。\r\n"
     "時刻以外の本体設定を変更する際は、SDカードの保護を解除してから再接続してください。"},
    {LinkNotice::kInvalidReply, kReplyTitle, "KM-62RXからの応答が不正な値です。"},
    {LinkNotice::kHardwareSettingsInvalid, kReplyTitle, "ハードウェア設定が不正です。"},
    {LinkNotice::kParameterMismatch, kReplyTitle, kMismatchText},
    {LinkNotice::kCommandMismatch, kReplyTitle,
     "コマンド応答が要求したコマンドの内容と一致しません。"},
    {LinkNotice::kOldFirmware, "情報",
     "KM-62RX本体ファームウェアバージョンが古いため「タイムスタンプ機能」は設定できません。"},
    {LinkNotice::kSdCardAccess, "エラー", "本体内SDカードへのアクセスに失敗しました。"},
}};

// The logger's error codes with a box of their own: 01 shares the box of an
// old firmware, 99 means the parameters did not match.
constexpr int kOldFirmwareCode = 1;
constexpr int kMismatchCode = 99;

}  // namespace

LinkErrorBox LinkErrorMessage(LinkNotice notice) {
  const NoticeRow& row = kNotices[static_cast<std::size_t>(notice)];
  return {std::string(row.title), std::string(row.text)};
}

LinkErrorBox LinkErrorMessage(LinkResult result) {
  switch (result) {
    case LinkResult::kPortNotOpened:
      return LinkErrorMessage(LinkNotice::kPortNotOpened);
    case LinkResult::kExchangeFailed:
      return LinkErrorMessage(LinkNotice::kExchangeFailed);
    case LinkResult::kNotKm62rx:
      return LinkErrorMessage(LinkNotice::kNotKm62rx);
    case LinkResult::kOk:
      break;
  }
  return LinkErrorMessage(LinkNotice::kUnknownError);
}

LinkErrorBox DeviceErrorMessage(int code) {
  if (code == kOldFirmwareCode)
    return LinkErrorMessage(LinkNotice::kOldFirmware);
  if (code == kMismatchCode)
    return {std::string(kReplyTitle), std::string(kMismatchText)};
  char text[100];
  std::snprintf(text, sizeof text, "エラーが発生しました。 (コード : %02d)", code);
  return {std::string(kReplyTitle), text};
}

namespace {
void Show(const LinkErrorBox& box, Notifier& owner) {
  owner.Show(box.title, box.text);
}
}  // namespace

void ReportLinkError(LinkNotice notice, Notifier& owner) {
  Show(LinkErrorMessage(notice), owner);
}

void ReportLinkError(LinkResult result, Notifier& owner) {
  Show(LinkErrorMessage(result), owner);
}

void ReportDeviceError(int code, Notifier& owner) {
  Show(DeviceErrorMessage(code), owner);
}

}  // namespace km62rx::device
