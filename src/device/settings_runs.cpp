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
  LocalText itemFailureSuffix;  // follows the item text
  LocalText itemFailureTitle;
  LocalText linkFailureText;
  LocalText doneText;
  LocalText doneTitle;
};

constexpr LocalText kLinkFailureTitle{"接続エラー", "Connection error"};

constexpr RunTexts kSendTexts{
    {"は正しく設定できなかった可能性があります。", " may not have been set correctly."},
    {"設定エラー", "Setting error"},
    {"設定の送信中に接続エラーが発生しました。\r\n不完全な設定が本体に反映された可能性があります。"
     "\r\n接続を確認して再度設定を試みてください。",
     "The connection failed while the settings were being sent.\r\n"
     "The logger may hold incomplete settings.\r\n"
     "Check the connection and send the settings again."},
    {"本体への設定送信が完了しました。", "The settings were sent to the logger."},
    {"設定完了", "Settings sent"}};

constexpr RunTexts kReceiveTexts{
    {"は正しく取得できなかった可能性があります。", " may not have been received correctly."},
    {"読込エラー", "Receive error"},
    {"設定の受信中に接続エラーが発生しました。\r\n接続を確認してください。",
     "The connection failed while the settings were being received.\r\n"
     "Check the connection."},
    {"本体からの設定取得が完了しました。", "The settings were received from the logger."},
    kReceiveDoneTitle};

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
      progress(static_cast<int>(i) + 1, step.name.item.Get(), result);
    if (result == StepResult::kLinkFailed) {
      ctx.mainWindow.Show(kLinkFailureTitle.Get(), texts.linkFailureText.Get());
      outcome.result = RunResult::kLinkFailed;
      return outcome;
    }
    if (result == StepResult::kRefused) {
      ++outcome.refusedSteps;
      std::string text(step.name.item.Get());
      text += texts.itemFailureSuffix.Get();
      ctx.mainWindow.Show(texts.itemFailureTitle.Get(), text);
    } else if (notices.count() > 0) {
      ++outcome.noticedSteps;
    }
    if (i + 1 == kStepsWithoutTimestamp && ctx.link.timestampSupported == 0)
      break;
  }
  ctx.mainWindow.Show(texts.doneTitle.Get(), texts.doneText.Get());
  return outcome;
}

}  // namespace

std::vector<LocalText> SettingsRunTexts() {
  std::vector<LocalText> texts{kLinkFailureTitle};
  for (const RunTexts& run : {kSendTexts, kReceiveTexts}) {
    texts.insert(texts.end(), {run.itemFailureSuffix, run.itemFailureTitle, run.linkFailureText,
                               run.doneText, run.doneTitle});
  }
  return texts;
}

RunOutcome SendAllSettings(CommandContext& ctx, const RunProgress& progress) {
  return RunAll(ctx, true, kSendTexts, progress);
}

RunOutcome ReceiveAllSettings(CommandContext& ctx, const RunProgress& progress) {
  return RunAll(ctx, false, kReceiveTexts, progress);
}

}  // namespace km62rx::device
