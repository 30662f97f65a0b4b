// The numeric single settings: idle times (EI, PI), data sizes (ES, PS) and
// the logging time (EL). Each has an enable check box; "-" on the wire means
// off.

#include "device/number_commands.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "device/control_ids.h"
#include "device/field_limits.h"
#include "device/leading_decimal.h"
#include "device/settings_exchange.h"

namespace km62rx::device {
namespace {

constexpr long long kBytesPerMByte = 1048576;
constexpr long long kBytesPerKByte = 1024;
constexpr int kMaxMBytes = 2000;
constexpr int kSecondsPerDay = 86400;
constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;

constexpr std::string_view kWarningTitle = "警告";

struct IdleSetting {
  std::string_view setMnemonic;
  std::string_view getMnemonic;
  int check;
  int field;
};

struct SizeSetting {
  std::string_view setMnemonic;
  std::string_view getMnemonic;
  int check;
  int field;
  int unit;
  std::string_view limitText;
};

constexpr IdleSetting kStopIdle{"EIS", "EIG", ids::kStopIdleCheck, ids::kStopIdleField};
constexpr IdleSetting kTimestampIdle{"PIS", "PIG", ids::kTimestampIdleCheck,
                                     ids::kTimestampIdleField};
constexpr SizeSetting kStopSize{
    "ESS",
    "ESG",
    ids::kStopSizeCheck,
    ids::kStopSizeField,
    ids::kStopSizeUnit,
    "停止トリガ(データサイズ)の設定上限値を超過しています。\r\n 2000 MByte に変更されました。"};
constexpr SizeSetting kTimestampSize{
    "PSS",
    "PSG",
    ids::kTimestampSizeCheck,
    ids::kTimestampSizeField,
    ids::kTimestampSizeUnit,
    "タイムスタンプ記録 終了条件(データサイズ)の設定上限値を超過しています。\r\n"
    " 2000 MByte に変更されました。"};

std::string NumberText(long long value) {
  std::string text = detail::RequestNumber("", value);
  text.pop_back();  // the CR
  return text;
}

int FieldValue(const PageControls& pages, int id) {
  return detail::AtoiValue(detail::ControlText(pages, id));
}

// The text of a get reply from position 2 up to its CR (the whole rest when
// there is none).
std::string_view ReplyValueText(const Reply& reply) {
  std::string_view text = detail::ReplyText(reply).substr(2);
  return text.substr(0, text.find('\r'));
}

// The number of a get reply: digits only, up to the CR, at most largest. Any
// other reply is not valid: the user is told and nothing is returned.
std::optional<std::int64_t> ReplyValue(CommandContext& ctx, const Reply& reply,
                                       std::int64_t largest) {
  const std::string_view text = ReplyValueText(reply);
  const bool digits = !text.empty() && text.size() <= 10 &&
                      text.find_first_not_of("0123456789") == std::string_view::npos;
  // Ten digits at most, so the value fits before it is compared.
  if (!digits || LeadingDecimal(text) > largest) {
    detail::ReportInvalidReply(ctx);
    return std::nullopt;
  }
  return LeadingDecimal(text);
}

StepResult SendIdle(CommandContext& ctx, const IdleSetting& setting) {
  const std::string request =
      ctx.pages.Checked(setting.check)
          ? detail::RequestNumber(setting.setMnemonic, FieldValue(ctx.pages, setting.field))
          : detail::RequestDisabled(setting.setMnemonic);
  return detail::RunSetCommand(ctx, request);
}

StepResult ReceiveIdle(CommandContext& ctx, const IdleSetting& setting) {
  Reply reply;
  const StepResult result =
      detail::ExchangeSettingsCommand(ctx, detail::Request(setting.getMnemonic), reply);
  if (result != StepResult::kDone)
    return result;
  if (reply.At(2) == '-') {
    ctx.pages.SetText(setting.field, "1");
    ctx.pages.SetChecked(setting.check, false);
    return StepResult::kDone;
  }
  // The value runs up to the CR and must be one the field would take.
  const std::string_view text = ReplyValueText(reply);
  if (!FieldAccepts(setting.field, text))
    return detail::ReportInvalidReply(ctx);
  ctx.pages.SetChecked(setting.check, true);
  ctx.pages.SetText(setting.field, text);
  return StepResult::kDone;
}

StepResult SendSize(CommandContext& ctx, const SizeSetting& setting) {
  if (!ctx.pages.Checked(setting.check)) {
    return detail::RunSetCommand(ctx, detail::RequestDisabled(setting.setMnemonic));
  }
  long long value = FieldValue(ctx.pages, setting.field);
  long long bytes = value;
  switch (ctx.pages.ComboIndex(setting.unit)) {
    case ids::kUnitMByte:
      if (value > kMaxMBytes) {
        ctx.mainWindow.Show(kWarningTitle, setting.limitText);
        ctx.pages.SetText(setting.field, "2000");
        value = kMaxMBytes;
      }
      bytes = value * kBytesPerMByte;
      break;
    case ids::kUnitKByte:
      bytes = value * kBytesPerKByte;
      break;
    default:
      break;
  }
  return detail::RunSetCommand(ctx, detail::RequestNumber(setting.setMnemonic, bytes));
}

StepResult ReceiveSize(CommandContext& ctx, const SizeSetting& setting) {
  Reply reply;
  const StepResult result =
      detail::ExchangeSettingsCommand(ctx, detail::Request(setting.getMnemonic), reply);
  if (result != StepResult::kDone)
    return result;
  if (reply.At(2) == '-') {
    ctx.pages.SetText(setting.field, "1");
    ctx.pages.SetChecked(setting.check, false);
    ctx.pages.SetComboIndex(setting.unit, ids::kUnitMByte);
    return StepResult::kDone;
  }
  // Any 32-bit count is taken (above 2000 MByte it shows as 2000), but not
  // one the size field cannot show: no bytes at all.
  const std::optional<std::int64_t> received =
      ReplyValue(ctx, reply, std::numeric_limits<std::int32_t>::max());
  if (!received)
    return StepResult::kRefused;
  const SizeOnPage shown = SizeShownOnPage(static_cast<std::uint32_t>(*received));
  if (!FieldAccepts(setting.field, NumberText(shown.value)))
    return detail::ReportInvalidReply(ctx);
  ctx.pages.SetChecked(setting.check, true);
  ctx.pages.SetText(setting.field, NumberText(shown.value));
  ctx.pages.SetComboIndex(setting.unit, shown.unit);
  return StepResult::kDone;
}

void SetLogTimeFields(PageControls& pages, long long days, long long hours, long long minutes,
                      long long seconds) {
  pages.SetText(ids::kLogDays, NumberText(days));
  pages.SetText(ids::kLogHours, NumberText(hours));
  pages.SetText(ids::kLogMinutes, NumberText(minutes));
  pages.SetText(ids::kLogSeconds, NumberText(seconds));
}

}  // namespace

StepResult SendStopIdleTime(CommandContext& ctx) {
  return SendIdle(ctx, kStopIdle);
}
StepResult ReceiveStopIdleTime(CommandContext& ctx) {
  return ReceiveIdle(ctx, kStopIdle);
}
StepResult SendTimestampStopIdleTime(CommandContext& ctx) {
  return SendIdle(ctx, kTimestampIdle);
}
StepResult ReceiveTimestampStopIdleTime(CommandContext& ctx) {
  return ReceiveIdle(ctx, kTimestampIdle);
}
StepResult SendStopDataSize(CommandContext& ctx) {
  return SendSize(ctx, kStopSize);
}
StepResult ReceiveStopDataSize(CommandContext& ctx) {
  return ReceiveSize(ctx, kStopSize);
}
StepResult SendTimestampStopDataSize(CommandContext& ctx) {
  return SendSize(ctx, kTimestampSize);
}
StepResult ReceiveTimestampStopDataSize(CommandContext& ctx) {
  return ReceiveSize(ctx, kTimestampSize);
}

StepResult SendStopLogTime(CommandContext& ctx) {
  if (!ctx.pages.Checked(ids::kStopLogTimeCheck)) {
    return detail::RunSetCommand(ctx, detail::RequestDisabled("ELS"));
  }
  KeepLogTimeWithinLimit(ctx.pages);
  long long total =
      static_cast<long long>(FieldValue(ctx.pages, ids::kLogDays)) * kSecondsPerDay +
      static_cast<long long>(FieldValue(ctx.pages, ids::kLogHours)) * kSecondsPerHour +
      static_cast<long long>(FieldValue(ctx.pages, ids::kLogMinutes)) * kSecondsPerMinute +
      FieldValue(ctx.pages, ids::kLogSeconds);
  if (total < 1) {
    ctx.mainWindow.Show(kWarningTitle,
                        "停止トリガ(ロギング時間)の設定下限値を超過しています。\r\n 1秒 "
                        "に変更されました。");
    SetLogTimeFields(ctx.pages, 0, 0, 0, 1);
    total = 1;
  }
  return detail::RunSetCommand(ctx, detail::RequestNumber("ELS", total));
}

StepResult ReceiveStopLogTime(CommandContext& ctx) {
  Reply reply;
  const StepResult result = detail::ExchangeSettingsCommand(ctx, detail::Request("ELG"), reply);
  if (result != StepResult::kDone)
    return result;
  if (reply.At(2) == '-') {
    SetLogTimeFields(ctx.pages, 1, 0, 0, 0);
    ctx.pages.SetChecked(ids::kStopLogTimeCheck, false);
    return StepResult::kDone;
  }
  // More than 9999 days is more than the fields hold.
  const std::optional<std::int64_t> received = ReplyValue(ctx, reply, kLargestLogTimeSeconds);
  if (!received)
    return StepResult::kRefused;
  const long long s = *received;
  ctx.pages.SetChecked(ids::kStopLogTimeCheck, true);
  SetLogTimeFields(ctx.pages, s / kSecondsPerDay, (s % kSecondsPerDay) / kSecondsPerHour,
                   (s % kSecondsPerHour) / kSecondsPerMinute, s % kSecondsPerMinute);
  return StepResult::kDone;
}

}  // namespace km62rx::device
