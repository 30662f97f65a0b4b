// The two repeated time-of-day settings: start trigger (BT) and stop
// trigger (ET). Each entry is a check box, a weekday combo and hour and
// minute fields.

#include "device/time_trigger_commands.h"

#include <charconv>
#include <string>
#include <string_view>

#include "device/field_limits.h"
#include "device/settings_exchange.h"
#include "settings/setting_table.h"

namespace km62rx::device {
namespace {

using settings::TimeRowsSetting;

// "%d" of a number.
void AppendNumber(std::string& out, int value) {
  char digits[16];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  (void)ec;
  out.append(digits, end);
}

// "%02d" of a number: at least two characters.
void AppendTwoDigits(std::string& out, int value) {
  if (value >= 0 && value < 10)
    out += '0';
  AppendNumber(out, value);
}

// "%s%d%d%02d%02d\r": mnemonic, entry, weekday code, hour, minute.
std::string TimeRequest(const TimeRowsSetting& setting, int index, int dayCode, int hour,
                        int minute) {
  std::string request(setting.name.set);
  AppendNumber(request, index);
  AppendNumber(request, dayCode);
  AppendTwoDigits(request, hour);
  AppendTwoDigits(request, minute);
  request += '\r';
  return request;
}

StepResult SendTimeEntries(CommandContext& ctx, const TimeRowsSetting& setting) {
  return detail::SendEntries(ctx, setting.rows, [&](int i) {
    if (!ctx.pages.Checked(setting.check(i)))
      return detail::RequestDisabledEntry(setting.name.set, i);
    const int dayCode = ids::WeekdayCode(ctx.pages.ComboIndex(setting.weekday(i)));
    const int hour = detail::AtoiValue(detail::ControlText(ctx.pages, setting.hour(i)));
    const int minute = detail::AtoiValue(detail::ControlText(ctx.pages, setting.minute(i)));
    return TimeRequest(setting, i, dayCode, hour, minute);
  });
}

StepResult ReceiveTimeEntries(CommandContext& ctx, const TimeRowsSetting& setting) {
  return detail::ReceiveEntries(
      ctx, setting.rows, setting.name.get, [&](int i, const Reply& reply) {
        const bool disabled = reply.At(3) == '-';
        // An enabled entry is exactly weekday, hour and minute (positions 3
        // to 7) as the entry's controls would take them; any other reply is
        // not valid and leaves the entry's controls alone.
        const std::string hour{reply.At(4), reply.At(5)};
        const std::string minute{reply.At(6), reply.At(7)};
        if (!disabled &&
            (reply.At(3) < '0' || reply.At(3) > '7' || reply.At(8) != '\r' ||
             !FieldAccepts(setting.hour(i), hour) || !FieldAccepts(setting.minute(i), minute))) {
          return detail::ReportInvalidReply(ctx);
        }
        ctx.pages.SetComboIndex(setting.weekday(i), 0);
        ctx.pages.SetText(setting.hour(i), "0");
        ctx.pages.SetText(setting.minute(i), "0");
        ctx.pages.SetChecked(setting.check(i), !disabled);
        if (disabled)
          return StepResult::kDone;
        ctx.pages.SetComboIndex(setting.weekday(i), ids::WeekdayIndex(reply.At(3) - '0'));
        ctx.pages.SetText(setting.hour(i), hour);
        ctx.pages.SetText(setting.minute(i), minute);
        return StepResult::kDone;
      });
}

}  // namespace

StepResult SendStartTimeTriggers(CommandContext& ctx) {
  return SendTimeEntries(ctx, settings::kStartTime);
}
StepResult ReceiveStartTimeTriggers(CommandContext& ctx) {
  return ReceiveTimeEntries(ctx, settings::kStartTime);
}
StepResult SendStopTimeTriggers(CommandContext& ctx) {
  return SendTimeEntries(ctx, settings::kStopTime);
}
StepResult ReceiveStopTimeTriggers(CommandContext& ctx) {
  return ReceiveTimeEntries(ctx, settings::kStopTime);
}

}  // namespace km62rx::device
