#include "device/settings_runs.h"

#include <array>
#include <string>
#include <string_view>

#include "device/settings_commands.h"
#include "settings/setting_table.h"

namespace km62rx::device {
namespace {

using Operation = SettingCommand*;

struct Step {
  Operation send;
  Operation receive;
  settings::SettingName name;  // its item text names the setting in the messages
};

// The fixed order of both runs.
constexpr std::array<Step, 17> kSteps{{
    {SendStartDataTriggers, ReceiveStartDataTriggers, settings::kStartData.name},
    {SendStartTimeTriggers, ReceiveStartTimeTriggers, settings::kStartTime.name},
    {SendStopDataTriggers, ReceiveStopDataTriggers, settings::kStopData.name},
    {SendStopTimeTriggers, ReceiveStopTimeTriggers, settings::kStopTime.name},
    {SendStopIdleTime, ReceiveStopIdleTime, settings::kStopIdle.name},
    {SendStopDataSize, ReceiveStopDataSize, settings::kStopSize.name},
    {SendStopLogTime, ReceiveStopLogTime, settings::kStopLogTime.name},
    {SendLogFileExtension, ReceiveLogFileExtension, settings::kExtension.name},
    {SendTimestampMode, ReceiveTimestampMode, settings::kTimestampMode.name},
    {SendTimestampType, ReceiveTimestampType, settings::kTimestampType.name},
    {SendTimestampSerialNo, ReceiveTimestampSerialNo, settings::kTimestampSerial.name},
    {SendTimestampSeparator, ReceiveTimestampSeparator, settings::kSeparator.name},
    {SendTimestampExcludedData, ReceiveTimestampExcludedData, settings::kExcludedData.name},
    {SendTimestampStartConditions, ReceiveTimestampStartConditions, settings::kTimestampStart.name},
    {SendTimestampStopConditions, ReceiveTimestampStopConditions, settings::kTimestampStop.name},
    {SendTimestampStopIdleTime, ReceiveTimestampStopIdleTime, settings::kTimestampIdle.name},
    {SendTimestampStopDataSize, ReceiveTimestampStopDataSize, settings::kTimestampSize.name},
}};

// Steps 1 to 8 need no time-stamp function; the rest are skipped for a
// logger without it.
constexpr std::size_t kStepsWithoutTimestamp = 8;

struct RunTexts {
  std::string_view itemFailureSuffix;
  std::string_view itemFailureTitle;
  std::string_view linkFailureText;
  std::string_view doneText;
  std::string_view doneTitle;
};

constexpr std::string_view kLinkFailureTitle = "接続エラー";

constexpr RunTexts kSendTexts{
    "は正しく設定できなかった可能性があります。", "設定エラー",
    "設定の送信中に接続エラーが発生しました。\r\n不完全な設定が本体に反映された可能性があります。"
    "\r\n接続を確認して再度設定を試みてください。",
    "本体への設定送信が完了しました。", "設定完了"};

constexpr RunTexts kReceiveTexts{
    "は正しく取得できなかった可能性があります。", "読込エラー",
    "設定の受信中に接続エラーが発生しました。\r\n接続を確認してください。",
    "本体からの設定取得が完了しました。", "取得完了"};

RunOutcome RunAll(CommandContext& ctx, bool sending, const RunTexts& texts,
                  const RunProgress& progress) {
  RunOutcome outcome;
  for (std::size_t i = 0; i < kSteps.size(); ++i) {
    const Step& step = kSteps[i];
    // The step's own messages are tallied, so that a step done after a
    // notice is told apart from one that simply went through.
    ReportTally notices(ctx.mainWindow);
    CommandContext stepCtx{ctx.link, ctx.pages, notices};
    const StepResult result = sending ? step.send(stepCtx) : step.receive(stepCtx);
    if (progress)
      progress(static_cast<int>(i) + 1, step.name.item, result);
    if (result == StepResult::kLinkFailed) {
      ctx.mainWindow.Show(kLinkFailureTitle, texts.linkFailureText);
      outcome.result = RunResult::kLinkFailed;
      return outcome;
    }
    if (result == StepResult::kRefused) {
      ++outcome.refusedSteps;
      std::string text(step.name.item);
      text += texts.itemFailureSuffix;
      ctx.mainWindow.Show(texts.itemFailureTitle, text);
    } else if (notices.count() > 0) {
      ++outcome.noticedSteps;
    }
    if (i + 1 == kStepsWithoutTimestamp && ctx.link.timestampSupported == 0)
      break;
  }
  ctx.mainWindow.Show(texts.doneTitle, texts.doneText);
  return outcome;
}

}  // namespace

RunOutcome SendAllSettings(CommandContext& ctx, const RunProgress& progress) {
  return RunAll(ctx, true, kSendTexts, progress);
}

RunOutcome ReceiveAllSettings(CommandContext& ctx, const RunProgress& progress) {
  return RunAll(ctx, false, kReceiveTexts, progress);
}

}  // namespace km62rx::device
