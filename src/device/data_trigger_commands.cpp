// The four repeated settings made of data bytes: start trigger (BD), stop
// trigger (ED), time-stamp start condition (PB) and end condition (PE). Each
// entry is a check box and four two-character hex fields.

#include "device/data_trigger_commands.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "device/command_texts.h"
#include "device/settings_exchange.h"
#include "settings/control_ids.h"
#include "settings/setting_table.h"

namespace km62rx::device {
namespace {

using settings::DataRowsSetting;

constexpr int kBytesPerEntry = ids::kBytesPerDataRow;

// Stop triggers refuse an enabled entry without data: their box is shown
// and the entry goes out disabled, its check box cleared.

std::array<int, kBytesPerEntry> ByteFields(const DataRowsSetting& setting, int row) {
  std::array<int, kBytesPerEntry> fields{};
  for (int k = 0; k < kBytesPerEntry; ++k)
    fields[k] = setting.byteField(row, k);
  return fields;
}

StepResult SendDataEntries(CommandContext& ctx, const DataRowsSetting& setting) {
  return detail::SendEntries(ctx, setting.rows, [&](int i) {
    if (!ctx.pages.Checked(setting.check(i)))
      return detail::RequestDisabledEntry(setting.name.set, i);
    std::string request = detail::RequestNumber(setting.name.set, i);
    const int pairs = detail::AppendDataPairs(ctx.pages, ByteFields(setting, i), request);
    if (pairs == 0 && !setting.sendRefusal.japanese.empty()) {
      ctx.mainWindow.Show(kEmptyDataTitle.Get(), setting.sendRefusal.Get());
      // The entry goes out as off: so does its check box.
      ctx.pages.SetChecked(setting.check(i), false);
      return detail::RequestDisabledEntry(setting.name.set, i);
    }
    return request;
  });
}

StepResult ReceiveDataEntries(CommandContext& ctx, const DataRowsSetting& setting) {
  return detail::ReceiveEntries(ctx, setting.rows, setting.name.get,
                                [&](int i, const Reply& reply) {
                                  const bool disabled = reply.At(3) == '-';
                                  std::vector<std::string> pairs;
                                  if (!disabled) {
                                    // Bytes the fields would not take are no valid reply: leave
                                    // the entry's controls as they were.
                                    auto parsed = detail::ReplyDataPairs(reply, 3, kBytesPerEntry);
                                    if (!parsed)
                                      return detail::ReportInvalidReply(ctx);
                                    pairs = std::move(*parsed);
                                  }
                                  const auto fields = ByteFields(setting, i);
                                  for (const int id : fields)
                                    ctx.pages.SetText(id, "");
                                  ctx.pages.SetChecked(setting.check(i), !disabled);
                                  for (std::size_t j = 0; j < pairs.size(); ++j)
                                    ctx.pages.SetText(fields[j], pairs[j]);
                                  return StepResult::kDone;
                                });
}

}  // namespace

StepResult SendStartDataTriggers(CommandContext& ctx) {
  return SendDataEntries(ctx, settings::kStartData);
}
StepResult ReceiveStartDataTriggers(CommandContext& ctx) {
  return ReceiveDataEntries(ctx, settings::kStartData);
}
StepResult SendStopDataTriggers(CommandContext& ctx) {
  return SendDataEntries(ctx, settings::kStopData);
}
StepResult ReceiveStopDataTriggers(CommandContext& ctx) {
  return ReceiveDataEntries(ctx, settings::kStopData);
}
StepResult SendTimestampStartConditions(CommandContext& ctx) {
  return SendDataEntries(ctx, settings::kTimestampStart);
}
StepResult ReceiveTimestampStartConditions(CommandContext& ctx) {
  return ReceiveDataEntries(ctx, settings::kTimestampStart);
}
StepResult SendTimestampStopConditions(CommandContext& ctx) {
  return SendDataEntries(ctx, settings::kTimestampStop);
}
StepResult ReceiveTimestampStopConditions(CommandContext& ctx) {
  return ReceiveDataEntries(ctx, settings::kTimestampStop);
}

}  // namespace km62rx::device
