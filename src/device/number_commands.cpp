// The numeric single settings: idle times (EI, PI), data sizes (ES, PS) and
// the logging time (EL). Each has an enable check box; "-" on the wire means
// off.

#include "device/number_commands.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "device/command_texts.h"
#include "device/field_limits.h"
#include "device/leading_decimal.h"
#include "device/settings_exchange.h"
#include "settings/setting_table.h"

namespace km62rx::device {
namespace {

using settings::IdleSetting;
using settings::LogTimeSetting;
using settings::SizeSetting;

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

// Asks for a setting with its get command. A "-" reply (the setting is off)
// goes to showOff, any other to showValue, which returns the step's result.
template <typename ShowOff, typename ShowValue>
StepResult ReceiveNumber(CommandContext& ctx, std::string_view get, ShowOff showOff,
                         ShowValue showValue) {
  Reply reply;
  const StepResult result = detail::ExchangeSettingsCommand(ctx, detail::Request(get), reply);
  if (result != StepResult::kDone)
    return result;
  if (reply.At(2) == '-') {
    showOff();
    return StepResult::kDone;
  }
  return showValue(reply);
}

// A setting the logger holds switched off: its box cleared and its field
// back at the smallest value, as the page starts.
void ShowSwitchedOff(PageControls& pages, int check, int field) {
  pages.SetText(field, "1");
  pages.SetChecked(check, false);
}

StepResult SendIdle(CommandContext& ctx, const IdleSetting& setting) {
  const std::string request =
      ctx.pages.Checked(setting.check)
          ? detail::RequestNumber(setting.name.set, FieldValue(ctx.pages, setting.field))
          : detail::RequestDisabled(setting.name.set);
  return detail::RunSetCommand(ctx, request);
}

StepResult ReceiveIdle(CommandContext& ctx, const IdleSetting& setting) {
  return ReceiveNumber(
      ctx, setting.name.get, [&] { ShowSwitchedOff(ctx.pages, setting.check, setting.field); },
      [&](const Reply& reply) {
        // The value runs up to the CR and must be one the field would take.
        const std::string_view text = ReplyValueText(reply);
        if (!FieldAccepts(setting.field, text))
          return detail::ReportInvalidReply(ctx);
        ctx.pages.SetChecked(setting.check, true);
        ctx.pages.SetText(setting.field, text);
        return StepResult::kDone;
      });
}

StepResult SendSize(CommandContext& ctx, const SizeSetting& setting) {
  if (!ctx.pages.Checked(setting.check)) {
    return detail::RunSetCommand(ctx, detail::RequestDisabled(setting.name.set));
  }
  long long value = FieldValue(ctx.pages, setting.field);
  const int unit = ctx.pages.ComboIndex(setting.unit);
  if (unit == ids::kUnitMByte && value > settings::kLargestSizeInMByte) {
    ctx.mainWindow.Show(kLimitWarningTitle.Get(), setting.sendLimited.Get());
    ctx.pages.SetText(setting.field, NumberText(settings::kLargestSizeInMByte));
    value = settings::kLargestSizeInMByte;
  }
  const long long bytes = settings::SizeInBytes(value, unit);
  return detail::RunSetCommand(ctx, detail::RequestNumber(setting.name.set, bytes));
}

StepResult ReceiveSize(CommandContext& ctx, const SizeSetting& setting) {
  return ReceiveNumber(
      ctx, setting.name.get,
      [&] {
        ShowSwitchedOff(ctx.pages, setting.check, setting.field);
        ctx.pages.SetComboIndex(setting.unit, ids::kUnitMByte);
      },
      [&](const Reply& reply) {
        // Any 32-bit count is taken (above 2000 MByte it shows as 2000), but
        // not one the size field cannot show: no bytes at all.
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
      });
}

// Shows a number of seconds in the logging time fields.
void SetLogTimeFields(PageControls& pages, long long seconds) {
  const auto& [days, hours, minutes, secs] = settings::kStopLogTime.fields;
  pages.SetText(days, NumberText(seconds / settings::kSecondsPerDay));
  pages.SetText(hours, NumberText(seconds % settings::kSecondsPerDay / settings::kSecondsPerHour));
  pages.SetText(minutes,
                NumberText(seconds % settings::kSecondsPerHour / settings::kSecondsPerMinute));
  pages.SetText(secs, NumberText(seconds % settings::kSecondsPerMinute));
}

StepResult SendLogTime(CommandContext& ctx, const LogTimeSetting& setting) {
  if (!ctx.pages.Checked(setting.check)) {
    return detail::RunSetCommand(ctx, detail::RequestDisabled(setting.name.set));
  }
  KeepLogTimeWithinLimit(ctx.pages);
  constexpr std::int64_t kSecondsPer[] = {settings::kSecondsPerDay, settings::kSecondsPerHour,
                                          settings::kSecondsPerMinute, 1};
  long long total = 0;
  for (std::size_t k = 0; k < setting.fields.size(); ++k)
    total += FieldValue(ctx.pages, setting.fields[k]) * kSecondsPer[k];
  if (total < 1) {
    ctx.mainWindow.Show(kLimitWarningTitle.Get(), setting.sendRaised.Get());
    SetLogTimeFields(ctx.pages, 1);
    total = 1;
  }
  return detail::RunSetCommand(ctx, detail::RequestNumber(setting.name.set, total));
}

StepResult ReceiveLogTime(CommandContext& ctx, const LogTimeSetting& setting) {
  return ReceiveNumber(
      ctx, setting.name.get,
      [&] {
        SetLogTimeFields(ctx.pages, settings::kSecondsPerDay);
        ctx.pages.SetChecked(setting.check, false);
      },
      [&](const Reply& reply) {
        // More than the largest logging time is more than the fields hold.
        const std::optional<std::int64_t> received = ReplyValue(ctx, reply, setting.file.maximum);
        if (!received)
          return StepResult::kRefused;
        ctx.pages.SetChecked(setting.check, true);
        SetLogTimeFields(ctx.pages, *received);
        return StepResult::kDone;
      });
}

}  // namespace

StepResult SendStopIdleTime(CommandContext& ctx) {
  return SendIdle(ctx, settings::kStopIdle);
}
StepResult ReceiveStopIdleTime(CommandContext& ctx) {
  return ReceiveIdle(ctx, settings::kStopIdle);
}
StepResult SendTimestampStopIdleTime(CommandContext& ctx) {
  return SendIdle(ctx, settings::kTimestampIdle);
}
StepResult ReceiveTimestampStopIdleTime(CommandContext& ctx) {
  return ReceiveIdle(ctx, settings::kTimestampIdle);
}
StepResult SendStopDataSize(CommandContext& ctx) {
  return SendSize(ctx, settings::kStopSize);
}
StepResult ReceiveStopDataSize(CommandContext& ctx) {
  return ReceiveSize(ctx, settings::kStopSize);
}
StepResult SendTimestampStopDataSize(CommandContext& ctx) {
  return SendSize(ctx, settings::kTimestampSize);
}
StepResult ReceiveTimestampStopDataSize(CommandContext& ctx) {
  return ReceiveSize(ctx, settings::kTimestampSize);
}
StepResult SendStopLogTime(CommandContext& ctx) {
  return SendLogTime(ctx, settings::kStopLogTime);
}
StepResult ReceiveStopLogTime(CommandContext& ctx) {
  return ReceiveLogTime(ctx, settings::kStopLogTime);
}

}  // namespace km62rx::device
