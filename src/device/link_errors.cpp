#include <cstdio>

#include "device/link.h"

namespace km62rx::device {

LinkErrorBox LinkErrorMessage(int code) {
  constexpr const char* kLinkTitle = "接続エラー";
  constexpr const char* kReplyTitle = "応答エラー";
  constexpr const char* kNoticeTitle = "注意";
  switch (code) {
    case 1:
      return {kLinkTitle, "COMポートエラー。"};
    case 2:
      return {kLinkTitle, "送受信に失敗しました。"};
    case 3:
      return {kLinkTitle, "有効なKM-62RXではありません。"};
    case 4:
      return {kNoticeTitle,
              "SDカードが挿入されていません。\r\n"
              "時刻以外の本体設定を変更する際は、SDカードを挿入してから再接続してください。"};
    case 5:
      return {kNoticeTitle,
              "SDカードが書込保護されています。\r\n"
              "時刻以外の本体設定を変更する際は、SDカードの保護を解除してから再接続してください。"};
    case 6:
      return {kReplyTitle, "KM-62RXからの応答が不正な値です。"};
    case 7:
      return {kReplyTitle, "ハードウェア設定が不正です。"};
    case 8:
      return {kReplyTitle, "コマンドのパラメータが不一致です。"};
    case 9:
      return {kReplyTitle, "コマンド応答が要求したコマンドの内容と一致しません。"};
    case 101:
      return {
          "情報",
          "KM-62RX本体ファームウェアバージョンが古いため「タイムスタンプ機能」は設定できません。"};
    case 199:
      return {kReplyTitle, "コマンドのパラメータが不一致です。"};
    default:
      break;
  }
  if (code >= 100 && code <= 198) {
    char text[100];
    std::snprintf(text, sizeof text, "エラーが発生しました。 (コード : %02d)", code - 100);
    return {kReplyTitle, text};
  }
  return {"エラー", "不明なエラーが発生しました。"};
}

void ReportLinkError(int code, Notifier& owner) {
  const LinkErrorBox box = LinkErrorMessage(code);
  owner.Show(box.title, box.text);
}

}  // namespace km62rx::device
