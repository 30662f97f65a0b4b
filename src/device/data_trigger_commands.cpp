// The four repeated settings made of data bytes: start trigger (BD), stop
// trigger (ED), time-stamp start condition (PB) and end condition (PE). Each
// entry is a check box and four two-character hex fields.

#include "device/data_trigger_commands.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "device/control_ids.h"
#include "device/settings_exchange.h"

namespace km62rx::device {
namespace {

constexpr int kBytesPerEntry = 4;

struct DataSetting {
  std::string_view setMnemonic;
  std::string_view getMnemonic;
  int rowsIndex;
  int (*check)(int row);
  int (*byteField)(int row, int k);
  // Stop triggers refuse an enabled entry without data: this box is shown
  // and the entry goes out disabled, its check box cleared. Empty for the
  // start settings.
  std::string_view emptyDataText;
};

constexpr std::string_view kEmptyDataTitle = "設定エラー";

constexpr DataSetting kStartData{
    "BDS", "BDG", kRowsStartData, ids::StartDataCheck, ids::StartDataByte, {}};
constexpr DataSetting kStopData{
    "EDS",
    "EDG",
    kRowsStopData,
    ids::StopDataCheck,
    ids::StopDataByte,
    "停止トリガー(データ)を有効にするには\r\n1バイト以上の設定データが必要です。\r\n"
    "トリガー無効に設定しました。"};
constexpr DataSetting kTimestampStart{
    "PBS", "PBG", kRowsTimestampStart, ids::TimestampStartCheck, ids::TimestampStartByte, {}};
constexpr DataSetting kTimestampStop{
    "PES",
    "PEG",
    kRowsTimestampStop,
    ids::TimestampStopCheck,
    ids::TimestampStopByte,
    "タイムスタンプ記録 終了条件を有効にするには\r\n1バイト以上の設定データが必要です。\r\n"
    "条件無効に設定しました。"};

std::array<int, kBytesPerEntry> ByteFields(const DataSetting& setting, int row) {
  std::array<int, kBytesPerEntry> fields{};
  for (int k = 0; k < kBytesPerEntry; ++k)
    fields[k] = setting.byteField(row, k);
  return fields;
}

StepResult SendDataEntries(CommandContext& ctx, const DataSetting& setting) {
  return detail::SendEntries(ctx, setting.rowsIndex, [&](int i) {
    if (!ctx.pages.Checked(setting.check(i)))
      return detail::RequestDisabledEntry(setting.setMnemonic, i);
    std::string request = detail::RequestNumber(setting.setMnemonic, i);
    const int pairs = detail::AppendDataPairs(ctx.pages, ByteFields(setting, i), request);
    if (pairs == 0 && !setting.emptyDataText.empty()) {
      ctx.mainWindow.Show(kEmptyDataTitle, setting.emptyDataText);
      // The entry goes out as off: so does its check box.
      ctx.pages.SetChecked(setting.check(i), false);
      return detail::RequestDisabledEntry(setting.setMnemonic, i);
    }
    return request;
  });
}

StepResult ReceiveDataEntries(CommandContext& ctx, const DataSetting& setting) {
  return detail::ReceiveEntries(ctx, setting.rowsIndex, setting.getMnemonic,
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
  return SendDataEntries(ctx, kStartData);
}
StepResult ReceiveStartDataTriggers(CommandContext& ctx) {
  return ReceiveDataEntries(ctx, kStartData);
}
StepResult SendStopDataTriggers(CommandContext& ctx) {
  return SendDataEntries(ctx, kStopData);
}
StepResult ReceiveStopDataTriggers(CommandContext& ctx) {
  return ReceiveDataEntries(ctx, kStopData);
}
StepResult SendTimestampStartConditions(CommandContext& ctx) {
  return SendDataEntries(ctx, kTimestampStart);
}
StepResult ReceiveTimestampStartConditions(CommandContext& ctx) {
  return ReceiveDataEntries(ctx, kTimestampStart);
}
StepResult SendTimestampStopConditions(CommandContext& ctx) {
  return SendDataEntries(ctx, kTimestampStop);
}
StepResult ReceiveTimestampStopConditions(CommandContext& ctx) {
  return ReceiveDataEntries(ctx, kTimestampStop);
}

}  // namespace km62rx::device
