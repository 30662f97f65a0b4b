#include <gtest/gtest.h>

#include <string>

#include "device/connection.h"
#include "device/link.h"
#include "settings/notifier.h"

namespace km62rx::device {
namespace {

TEST(LinkErrorTest, EachCodeShowsItsBox) {
  const char* kUnknown = "不明なエラーが発生しました。";
  const char* kMismatch = "コマンドのパラメータが不一致です。";
  const std::vector<std::tuple<int, std::string, std::string>> table = {
      {1, "接続エラー", "COMポートエラー。"},
      {2, "接続エラー", "送受信に失敗しました。"},
      {3, "接続エラー", "有効なKM-62RXではありません。"},
      {4, "注意",
       "SDカードが挿入されていません。\r\n時刻以外の本体設定を変更する際は、"
       "SDカードを挿入してから再接続してください。"},
      {5, "注意",
       "SDカードが書込保護されています。\r\n時刻以外の本体設定を変更する際は、"
       "SDカードの保護を解除してから再接続してください。"},
      {6, "応答エラー", "KM-62RXからの応答が不正な値です。"},
      {7, "応答エラー", "ハードウェア設定が不正です。"},
      {8, "応答エラー", kMismatch},
      {9, "応答エラー", "コマンド応答が要求したコマンドの内容と一致しません。"},
      {100, "応答エラー", "エラーが発生しました。 (コード : 00)"},
      {135, "応答エラー", "エラーが発生しました。 (コード : 35)"},
      {198, "応答エラー", "エラーが発生しました。 (コード : 98)"},
      {101, "情報",
       "KM-62RX本体ファームウェアバージョンが古いため「タイムスタンプ機能」は設定できません。"},
      {199, "応答エラー", kMismatch},
      {0, "エラー", kUnknown},
      {10, "エラー", kUnknown},
      {99, "エラー", kUnknown},
      {200, "エラー", kUnknown},
      {-1, "エラー", kUnknown},
  };
  for (const auto& [code, title, text] : table) {
    RecordingNotifier owner;
    ReportLinkError(code, owner);
    EXPECT_EQ(owner.boxes, (std::vector<RecordingNotifier::Box>{{title, text}})) << code;
  }
}

TEST(FormatDeviceTimeTest, FieldsComeFromTheValueOfTheNumber) {
  const std::vector<std::pair<std::string, std::string>> table = {
      {"260315142530", "2026/03/15 14:25:30"}, {"991231235959", "2099/12/31 23:59:59"},
      {"1234", "2000/00/00 00:12:34"},         {"", "2000/00/00 00:00:00"},
      {"abc", "2000/00/00 00:00:00"},          {"2603151425309999", "2026/03/15 14:25:30"},
      {"2603x5142530", "2000/00/00 00:26:03"},
  };
  for (const auto& [payload, text] : table)
    EXPECT_EQ(FormatDeviceTime(payload), text) << payload;
}

}  // namespace
}  // namespace km62rx::device
