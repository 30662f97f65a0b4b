#include "device/link_errors.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace km62rx::device {
namespace {

struct NoticeRow {
  LinkNotice notice;
  LocalText title;
  LocalText text;
};

constexpr LocalText kErrorTitle{"エラー", "Error"};
constexpr LocalText kLinkTitle{"接続エラー", "Connection error"};
constexpr LocalText kReplyTitle{"応答エラー", "Reply error"};
constexpr LocalText kNoteTitle{"注意", "Note"};
constexpr LocalText kMismatchText{"コマンドのパラメータが不一致です。",
                                  "The command's parameters do not match."};
// The box of any other error code; %02d is the code.
constexpr LocalText kCodeText{"エラーが発生しました。 (コード : %02d)",
                              "The logger reported an error (code %02d)."};

// Every notice and its box, in the order of the enum.
constexpr std::array<NoticeRow, 12> kNotices{{
    {LinkNotice::kUnknownError,
     kErrorTitle,
     {"不明なエラーが発生しました。", "An unknown error occurred."}},
    {LinkNotice::kPortNotOpened,
     kLinkTitle,
     {"COMポートエラー。", "The serial port could not be opened."}},
    {LinkNotice::kExchangeFailed,
     kLinkTitle,
     {"送受信に失敗しました。", "Communication with the logger failed."}},
    {LinkNotice::kNotKm62rx,
     kLinkTitle,
     {"有効なKM-62RXではありません。", "The device is not a KM-62RX."}},
    {LinkNotice::kNoCard,
     kNoteTitle,
     {"SDカードが挿入されていません。\r\n"
      "時刻以外の本体設定を変更する際は、SDカードを挿入してから再接続してください。",
      "No SD card is inserted.\r\n"
      "To change settings other than the clock, insert an SD card and reconnect."}},
    {LinkNotice::kCardProtected,
     kNoteTitle,
     {"SDカードが書込保護されています。\r\n"
      "時刻以外の本体設定を変更する際は、SDカードの保護を解除してから再接続してください。",
      "The SD card is write-protected.\r\n"
      "To change settings other than the clock, unlock the SD card and reconnect."}},
    {LinkNotice::kInvalidReply,
     kReplyTitle,
     {"KM-62RXからの応答が不正な値です。", "The KM-62RX sent an invalid reply."}},
    {LinkNotice::kHardwareSettingsInvalid,
     kReplyTitle,
     {"ハードウェア設定が不正です。", "The logger's hardware settings are invalid."}},
    {LinkNotice::kParameterMismatch, kReplyTitle, kMismatchText},
    {LinkNotice::kCommandMismatch,
     kReplyTitle,
     {"コマンド応答が要求したコマンドの内容と一致しません。",
      "The reply does not match the command sent."}},
    {LinkNotice::kOldFirmware,
     {"情報", "Information"},
     {"KM-62RX本体ファームウェアバージョンが古いため「タイムスタンプ機能」は設定できません。",
      "The KM-62RX firmware is too old to set the time stamp function."}},
    {LinkNotice::kSdCardAccess,
     kErrorTitle,
     {"本体内SDカードへのアクセスに失敗しました。", "The logger could not access its SD card."}},
}};

// The logger's error codes with a box of their own: 01 shares the box of an
// old firmware, 99 means the parameters did not match.
constexpr int kOldFirmwareCode = 1;
constexpr int kMismatchCode = 99;

}  // namespace

std::vector<LocalText> LinkErrorTexts() {
  std::vector<LocalText> texts{kMismatchText, kCodeText};
  for (const NoticeRow& row : kNotices) {
    texts.push_back(row.title);
    texts.push_back(row.text);
  }
  return texts;
}

LinkErrorBox LinkErrorMessage(LinkNotice notice) {
  const NoticeRow& row = kNotices[static_cast<std::size_t>(notice)];
  return {std::string(row.title.Get()), std::string(row.text.Get())};
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
    return {std::string(kReplyTitle.Get()), std::string(kMismatchText.Get())};
  char text[100];
  std::snprintf(text, sizeof text, kCodeText.Get().data(), code);
  return {std::string(kReplyTitle.Get()), text};
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
