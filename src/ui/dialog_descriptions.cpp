#include "ui/dialog_descriptions.h"

#include <cstdio>

#include "km62rx_version.h"
#include "settings/control_ids.h"

namespace km62rx::ui {
namespace {

using K = DialogControlKind;

constexpr LocalText kCancel{"キャンセル", "Cancel"};
constexpr LocalText kOk{"OK", "OK"};
constexpr LocalText kNoText{"", ""};

// The buttons come before the combos, so that Tab goes from キャンセル to the
// port list; the port list is focused on opening, so that Enter pressed
// straight away presses no button.
constexpr DialogControl kConnectControls[] = {
    {ids::kConnectHintLine,
     K::kLabel,
     {"※ 本体DIPスイッチと通信条件を合わせてください ※",
      "Match these settings to the logger's DIP switches."},
     {5, 5, 200, 15}},
    {ids::kPortLabel, K::kLabel, {"ポート", "Port"}, {10, 25, 70, 15}},
    {ids::kDataBitsLabel, K::kLabel, {"データ長", "Data bits"}, {90, 25, 70, 15}},
    {ids::kParityLabel, K::kLabel, {"パリティ/ストップ", "Parity/stop bits"}, {170, 25, 70, 15}},
    {ids::kBaudLabel, K::kLabel, {"通信速度", "Baud rate"}, {10, 65, 70, 15}},
    {ids::kFlowLabel, K::kLabel, {"フロー制御", "Flow control"}, {90, 65, 70, 15}},
    {ids::kConnectOkButton, K::kPushButton, {"接続", "Connect"}, {80, 120, 50, 14}},
    {ids::kConnectCancelButton, K::kPushButton, kCancel, {160, 120, 50, 14}},
    {ids::kPortCombo, K::kCombo, kNoText, {10, 40, 60, 100}},
    {ids::kDataBitsCombo, K::kCombo, kNoText, {90, 40, 60, 100}},
    {ids::kParityCombo, K::kCombo, kNoText, {170, 40, 60, 100}},
    {ids::kBaudCombo, K::kCombo, kNoText, {10, 80, 60, 100}},
    {ids::kFlowCombo, K::kCombo, kNoText, {90, 80, 60, 100}},
};

// The fields come first in the tab order, then OK, キャンセル and
// PC時刻コピー.
constexpr DialogControl kClockControls[] = {
    {ids::kClockHintLine, K::kLabel, kNoText, {5, 5, 200, 15}},
    {ids::kClockFieldLabel,
     K::kLabel,
     {"年    月    日      時    分    秒", "Year Month  Day    Hour   Min    Sec"},
     {25, 25, 200, 15}},
    {ids::kClockYear, K::kDigitField, kNoText, {10, 40, 25, 14}, 4},
    {ids::kClockMonth, K::kDigitField, kNoText, {40, 40, 18, 14}, 2},
    {ids::kClockDay, K::kDigitField, kNoText, {65, 40, 18, 14}, 2},
    {ids::kClockHour, K::kDigitField, kNoText, {95, 40, 18, 14}, 2},
    {ids::kClockMinute, K::kDigitField, kNoText, {120, 40, 18, 14}, 2},
    {ids::kClockSecond, K::kDigitField, kNoText, {145, 40, 18, 14}, 2},
    {ids::kClockOkButton, K::kPushButton, kOk, {80, 90, 50, 14}},
    {ids::kClockCancelButton, K::kPushButton, kCancel, {160, 90, 50, 14}},
    {ids::kPcTimeButton, K::kPushButton, {"PC時刻コピー", "Use PC time"}, {175, 40, 55, 14}},
};

constexpr DialogControl kAboutControls[] = {
    {ids::kAboutNameLine,
     K::kTopLabel,
     {"VESTRAL  DO-62REvev", "VESTRAL  DO-62REvev"},
     {20, 10, 150, 15}},
    {ids::kAboutVersionLine, K::kTopLabel, kNoText, {20, 30, 100, 15}},
    {ids::kAboutOkButton, K::kPushButton, kOk, {40, 50, 50, 14}},
};

constexpr LocalText kAboutTitle{"バージョン情報", "About"};
constexpr LocalText kVersionWord{"バージョン", "Version"};
constexpr LocalText kStartUpTimeHint{"※本体起動時に反映したい時刻を設定してください※",
                                     "Enter the time for the logger's clock at start-up."};

}  // namespace

const DialogDescription& ConnectDialogDescription() {
  static const DialogDescription description{"connectDialog",
                                             {"シリアル接続", "Serial connection"},
                                             300,
                                             150,
                                             kDialogFont,
                                             kConnectControls,
                                             ids::kPortCombo,
                                             0,
                                             DialogKeys::kFocusedButtonOnly};
  return description;
}

const DialogDescription& ClockDialogDescription() {
  static const DialogDescription description{"clockDialog",
                                             {"本体時刻設定", "Logger clock"},
                                             300,
                                             120,
                                             kDialogFont,
                                             kClockControls,
                                             0,
                                             0,
                                             DialogKeys::kFocusedButtonOnly};
  return description;
}

const DialogDescription& AboutDialogDescription() {
  static const DialogDescription description{"aboutDialog",
                                             kAboutTitle,
                                             130,
                                             70,
                                             kDialogFont,
                                             kAboutControls,
                                             0,
                                             ids::kAboutOkButton,
                                             DialogKeys::kEnterAndEscapeClose};
  return description;
}

std::string_view ClockHint(int clockDialogTarget) {
  return clockDialogTarget != 0 ? std::string_view() : kStartUpTimeHint.Get();
}

std::string AboutVersionLine() {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*s %d.%02d", static_cast<int>(kVersionWord.Get().size()),
                kVersionWord.Get().data(), kVersionMajor, kVersionMinor);
  return buffer;
}

}  // namespace km62rx::ui
